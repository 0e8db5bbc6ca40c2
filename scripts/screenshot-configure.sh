#!/usr/bin/env bash
# Takes docs/screenshots/configure-general.png and configure-roots.png: Pagewick under Xvfb on the sample
# library, the Configure dialog opened from the File menu, its General Settings and Roots pages chosen with
# the keyboard.
# Usage: scripts/screenshot-configure.sh [BUILD_DIR]   (needs the win64 tree built)
set -eu
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
outdir=$top/docs/screenshots
. "$top/scripts/wine-env.sh"
run="$top/$build/run-configure-shot"
rm -rf "$run"
mkdir -p "$run/support/help" "$run/file_info" "$run/library"
cp "$top/$build/win64/Pagewick.exe" "$run/pagewick.exe"
cp -r "$top/support/." "$run/support/"
cp -r "$top/sample/Notes" "$run/library/Notes"
lib=$(winepath -w "$run/library/Notes")
printf '[General]\r\nUseStatBar=1\r\nLastRoot=Notes\r\nWindowPosition=0,1,-1,-1,-1,-1,20,20,1020,720\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\n\r\n[BasicRoots]\r\n%s=Notes;.md\r\n' \
  "$lib" > "$run/pagewick.ini"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  set -eu
  '$top/scripts/wine-cleanup.sh'; '$top/scripts/wine-setup.sh'
  cd '$run' && (wine pagewick.exe </dev/null >/dev/null 2>&1 &)
  for i in \$(seq 1 60); do
    win=\$(xdotool search --name 'Pagewick' 2>/dev/null | head -n 1 || true)
    [ -n \"\$win\" ] && break
    sleep 0.5
  done
  [ -n \"\$win\" ] || { echo 'Pagewick did not start' >&2; exit 1; }
  sleep 2
  xdotool windowactivate --sync \"\$win\" 2>/dev/null || true
  xdotool key alt+f; sleep 0.5; xdotool key c
  for i in \$(seq 1 20); do
    dlg=\$(xdotool search --name '^Configure\$' 2>/dev/null | head -n 1 || true)
    [ -n \"\$dlg\" ] && break
    sleep 0.5
  done
  [ -n \"\$dlg\" ] || { import -window root '$run/debug.png'; echo 'Configure did not open' >&2; exit 1; }
  sleep 1
  xdotool key Down; sleep 1
  import -window \"\$dlg\" '$outdir/configure-general.png'
  xdotool key Down Down Down; sleep 1
  import -window \"\$dlg\" '$outdir/configure-roots.png'
  xdotool key Escape; sleep 0.5
  wine taskkill /f /im pagewick.exe </dev/null >/dev/null 2>&1 || true
"
"$top/scripts/wine-cleanup.sh"
echo "Screenshots saved to $outdir/configure-general.png and configure-roots.png"
