#!/usr/bin/env bash
# Starts Pagewick under Wine from a run folder inside the build tree, on the bundled sample library.
# Without a display it runs under Xvfb, saves a screenshot and stops after a few seconds.
set -eu
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/wine-env.sh"
run="$top/$build/run"
mkdir -p "$run/support/help" "$run/file_info" "$run/library"
# The settings file is named after the program file: pagewick.exe reads pagewick.ini.
rm -f "$run/Pagewick.exe" "$run/Pagewick.ini"
cp "$top/$build/win64/Pagewick.exe" "$run/pagewick.exe"
cp -r "$top/support/." "$run/support/"
rm -rf "$run/library/Notes"
cp -r "$top/sample/Notes" "$run/library/Notes"
lib=$(winepath -w "$run/library/Notes")
# A prepared settings file: the sample library as the first root, a status bar, a roomy window.
printf '[General]\r\nUseStatBar=1\r\nLastRoot=Notes\r\nWindowPosition=0,1,-1,-1,-1,-1,20,20,1100,720\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\n\r\n[BasicRoots]\r\n%s=Notes;.md\r\n' \
  "$lib" > "$run/pagewick.ini"

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Pagewick on $DISPLAY (run folder: $run)"
  "$top/scripts/wine-setup.sh"
  cd "$run" && exec wine pagewick.exe
fi

shot="$top/$build/pagewick-screenshot.png"
seconds=${PW_RUN_SECONDS:-8}
echo "No display: running Pagewick under Xvfb for $seconds seconds"
# Wine's desktop process belongs to the display it started on: prepare the prefix inside the same Xvfb.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  '$top/scripts/wine-cleanup.sh'; '$top/scripts/wine-setup.sh'
  cd '$run' && (wine pagewick.exe </dev/null >/dev/null 2>&1 &)
  sleep $seconds
  import -window root '$shot'
  wine taskkill /f /im pagewick.exe </dev/null >/dev/null 2>&1 || true
"
"$top/scripts/wine-cleanup.sh"
echo "Screenshot saved to $shot"
