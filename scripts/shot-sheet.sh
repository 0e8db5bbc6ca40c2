#!/usr/bin/env bash
# Takes docs/screenshots/sheet-grouped-editor.png: Pagewick under Xvfb with a spreadsheet open, its rows grouped
# by a column (right-click, "Group by this column") and the cell editor open over a cell (double-click).
# Usage: scripts/shot-sheet.sh [BUILD_DIR] [OUTPUT.png]   (needs the win64 tree built)
set -eu
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-$top/docs/screenshots/sheet-grouped-editor.png}
. "$top/scripts/wine-env.sh"
run="$top/$build/run-sheet-shot"
rm -rf "$run"
mkdir -p "$run/support/help" "$run/file_info" "$run/library/Notes"
cp "$top/$build/win64/Pagewick.exe" "$run/pagewick.exe"
cp -r "$top/support/." "$run/support/"
sheet="$run/library/Notes/Reading list.csv"
printf 'Title,Shelf,Pages,Note\r\nThe Long Walk,Novels,320,[[Walk notes]]\r\nField Guide to Ferns,Nature,212,\r\nA Year of Bread,cooking,188,starter on p. 40\r\nThe Salt Road,novels,402,\r\nRivers of the North,Nature,276,https://example.org/rivers\r\nSoup,Cooking,96,\r\nLetters Home,,150,gift\r\n' > "$sheet"
printf '[General]\r\nSpreadsheetFirstRowAsTitle=1\r\nSpreadsheetSortHeader=0\r\nColumnWidths=170,90,60,190\r\n' > "$sheet.fw"
lib=$(winepath -w "$run/library/Notes")
printf '[General]\r\nUseStatBar=1\r\nLastRoot=Notes\r\nWindowPosition=0,1,-1,-1,-1,-1,20,20,1020,600\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\nSSMakeChangeBackups=0\r\n\r\n[BasicRoots]\r\n%s=Notes;.txt\r\n' \
  "$lib" > "$run/pagewick.ini"
file=$(winepath -w "$sheet")
shot="$run/screen.png"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  set -eu
  '$top/scripts/wine-cleanup.sh'; '$top/scripts/wine-setup.sh'
  cd '$run' && (wine pagewick.exe '$file' </dev/null >/dev/null 2>&1 &)
  for i in \$(seq 1 60); do
    win=\$(xdotool search --name 'Reading list.csv' 2>/dev/null | head -n 1 || true)
    [ -n \"\$win\" ] && break
    sleep 0.5
  done
  [ -n \"\$win\" ] || { echo 'Pagewick did not show the sheet' >&2; exit 1; }
  sleep 2
  eval \$(xdotool getwindowgeometry --shell \"\$win\")
  # Group by the Shelf column: right-click one of its cells, then the sixth item of the menu.
  xdotool mousemove \$((X + \${SHELF_X:-230})) \$((Y + \${ROW_Y:-102})) click 3
  sleep 0.8
  xdotool key Down Down Down Down Down Down Return
  sleep 0.8
  # Edit the note of a book: double-click its cell.
  xdotool mousemove \$((X + \${NOTE_X:-420})) \$((Y + \${EDIT_Y:-115})) click --repeat 2 --delay 80 1
  sleep 1.5
  import -window root '$shot'
  echo \"\$WIDTH \$HEIGHT \$X \$Y\" > '$run/geometry'
  wine taskkill /f /im pagewick.exe </dev/null >/dev/null 2>&1 || true
"
"$top/scripts/wine-cleanup.sh"
read -r width height x y < "$run/geometry"
convert "$shot" -crop "${width}x${height}+${x}+${y}" +repage "$out"
echo "Screenshot saved to $out"
