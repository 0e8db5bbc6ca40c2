#!/usr/bin/env bash
# Takes docs/screenshots/editor-context-menu.png: Pagewick under Xvfb on the sample library, a note open in
# the editor with a word selected, and the editor's context menu open over it.
# Usage: scripts/screenshot-editor-menu.sh [BUILD_DIR] [OUTPUT.png]   (needs the win64 tree built)
set -eu
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-$top/docs/screenshots/editor-context-menu.png}
. "$top/scripts/wine-env.sh"
run="$top/$build/run-editor-shot"
rm -rf "$run"
mkdir -p "$run/support/help" "$run/file_info" "$run/library"
cp "$top/$build/win64/Pagewick.exe" "$run/pagewick.exe"
cp -r "$top/support/." "$run/support/"
cp -r "$top/sample/Notes" "$run/library/Notes"
lib=$(winepath -w "$run/library/Notes")
printf '[General]\r\nUseStatBar=1\r\nLastRoot=Notes\r\nWindowPosition=0,1,-1,-1,-1,-1,20,20,1020,720\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\n\r\n[BasicRoots]\r\n%s=Notes;.md\r\n' \
  "$lib" > "$run/pagewick.ini"
note=$(winepath -w "$run/library/Notes/Shopping List.txt")
shot="$run/screen.png"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  set -eu
  '$top/scripts/wine-cleanup.sh'; '$top/scripts/wine-setup.sh'
  cd '$run' && (wine pagewick.exe '$note' </dev/null >/dev/null 2>&1 &)
  for i in \$(seq 1 60); do
    win=\$(xdotool search --name 'Shopping List.txt' 2>/dev/null | head -n 1 || true)
    [ -n \"\$win\" ] && break
    sleep 0.5
  done
  [ -n \"\$win\" ] || { echo 'Pagewick did not show the note' >&2; exit 1; }
  sleep 2
  eval \$(xdotool getwindowgeometry --shell \"\$win\")
  # The word 'sourdough' on the fourth line of the note: select it, then open the menu beside it.
  xdotool mousemove \$((X + 60)) \$((Y + 124)) click --repeat 2 --delay 80 1
  sleep 0.5
  xdotool mousemove \$((X + 90)) \$((Y + 124)) click 3
  sleep 1.5
  import -window root '$shot'
  echo \"\$WIDTH \$HEIGHT \$X \$Y\" > '$run/geometry'
  wine taskkill /f /im pagewick.exe </dev/null >/dev/null 2>&1 || true
"
"$top/scripts/wine-cleanup.sh"
read -r width height x y < "$run/geometry"
convert "$shot" -crop "${width}x${height}+${x}+${y}" +repage "$out"
echo "Screenshot saved to $out"
