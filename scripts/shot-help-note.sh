#!/usr/bin/env bash
# Renders the first help note as View mode shows it and saves a screenshot of the page:
# docs/screenshots/help-note.png. Needs the native pagewick-cli (build/native/tools/pagewick-cli)
# and Chromium (Debian: apt-get install -y chromium).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cli=${PW_CLI:-$top/build/native/tools/pagewick-cli}
shot=${1:-$top/docs/screenshots/help-note.png}
browser=$(command -v chromium || command -v chromium-browser || true)
[ -x "$cli" ] || { echo "pagewick-cli not found at $cli (build the native tree first)" >&2; exit 1; }
[ -n "$browser" ] || { echo "chromium not found (apt-get install -y chromium)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Help notes are .txt files: a settings file that shows .txt notes as Markdown pages, beside a copy of
# the support folder, so that the page links the default style sheet as the program does.
cp -r "$top/support" "$work/support"
printf '[General]\r\nWebExtraExtensions=txt\r\nMarkdownExtraExtensions=txt\r\n' > "$work/pagewick.ini"
"$cli" render "$work/support/help/1_help.txt" --settings "$work/pagewick.ini" > "$work/1_help.html"

mkdir -p "$(dirname "$shot")"
"$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1000,1200 \
  --screenshot="$shot" "file://$work/1_help.html" >/dev/null 2>&1
echo "Screenshot saved to $shot"
