#!/usr/bin/env bash
# Starts Pagewick under Wine and Xvfb on the sample library, types a line into the Multibar, opens the
# Multibar's context menu with a right click over an open note and saves a screenshot: docs/screenshots/multibar-menu.png.
# Needs the 64-bit build (make win64), xdotool and ImageMagick's import.
set -eu
build=${BUILD:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
shot=${1:-$top/docs/screenshots/multibar-menu.png}
. "$top/scripts/wine-env.sh"
run="$top/$build/shot-multibar"
rm -rf "$run"
mkdir -p "$run/support/help" "$run/file_info" "$run/library"
cp "$top/$build/win64/Pagewick.exe" "$run/pagewick.exe"
cp -r "$top/support/." "$run/support/"
cp -r "$top/sample/Notes" "$run/library/Notes"
lib=$(winepath -w "$run/library/Notes")
printf '[General]\r\nUseStatBar=1\r\nLastRoot=Notes\r\nWindowPosition=0,1,-1,-1,-1,-1,0,0,1000,640\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nShowHelpOnFirstRun=0\r\n\r\n[BasicRoots]\r\n%s=Notes;.md\r\n' \
  "$lib" > "$run/pagewick.ini"
mkdir -p "$(dirname "$shot")"
# Wine's desktop process belongs to the display it started on: prepare the prefix inside the same Xvfb.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  '$top/scripts/wine-cleanup.sh'; '$top/scripts/wine-setup.sh'
  cd '$run' && (wine pagewick.exe </dev/null >/dev/null 2>&1 &)
  sleep 8
  win=\$(xdotool search --name '^Pagewick' | head -1)
  xdotool windowactivate --sync \$win 2>/dev/null || true
  eval \$(xdotool getwindowgeometry --shell \$win)
  # The Multibar sits beside the toolbar buttons, below the caption and the menu bar.
  bx=\$((X + 300)); by=\$((Y + ${PW_MULTIBAR_Y:-57}))
  # A note open first, so that the menu can offer to search it (the sample's second file).
  xdotool mousemove \$((X + 850)) \$((Y + ${PW_SECOND_FILE_Y:-371})) click 1
  sleep 1
  xdotool mousemove \$bx \$by click 1
  xdotool type --delay 30 '?d budget'
  xdotool key Home
  xdotool mousemove \$bx \$by click 3
  sleep 1
  import -window root -crop \${WIDTH}x\$((HEIGHT))+\$X+\$Y '$shot'
  wine taskkill /f /im pagewick.exe </dev/null >/dev/null 2>&1 || true
"
"$top/scripts/wine-cleanup.sh"
echo "Screenshot saved to $shot"
