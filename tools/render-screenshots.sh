#!/usr/bin/env bash
# Renders a few sample notes with pagewick-cli and the default style sheet, and photographs them in headless
# Chromium (Debian's chromium package) into docs/screenshots; also the index page of the sample library
# exported as static pages. Usage: tools/render-screenshots.sh [BUILD]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
cli="$top/$build/native/tools/pagewick-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/support" "$top/docs/screenshots"
cp "$top/support/markup.css" "$work/support/"
printf '[General]\r\n' > "$work/pagewick.ini"
shoot() {  # folder, note, picture name
  (cd "$top/sample/Notes/$1" && "$cli" render "$2" --settings "$work/pagewick.ini") > "$work/$3.html"
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" --window-size=1000,900 \
    --screenshot="$top/docs/screenshots/$3.png" "file://$work/$3.html" >/dev/null 2>&1
}
shoot . Welcome.md page-welcome-md
shoot Journal "Weekend hike.md" page-weekend-hike-md
shoot Journal "Lake walk.wki" page-lake-walk-wki
shoot Projects "Garden plan.wki" page-garden-plan-wki
"$cli" export "$top/sample/Notes" "$work/site" >/dev/null
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$work/profile" --window-size=1000,700 \
  --screenshot="$top/docs/screenshots/export-index.png" "file://$work/site/index.html" >/dev/null 2>&1
echo "Screenshots in $top/docs/screenshots"
