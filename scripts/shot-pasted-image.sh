#!/usr/bin/env bash
# Takes docs/screenshots/note-pasted-image.png: a Markdown note holding the link that Paste Image inserts,
# rendered by pagewick-cli as View mode shows it, in headless Chromium. The picture in the note's "imgs"
# folder is itself a screenshot (of a small drawing), standing in for the one a user pastes; the Windows
# tests paste a real clipboard bitmap into a note and check the PNG and the link.
# Needs the native pagewick-cli (build/native/tools/pagewick-cli) and Chromium (apt-get install -y chromium).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cli=${PW_CLI:-$top/build/native/tools/pagewick-cli}
shot=${1:-$top/docs/screenshots/note-pasted-image.png}
browser=$(command -v chromium || command -v chromium-browser || true)
[ -x "$cli" ] || { echo "pagewick-cli not found at $cli (build the native tree first)" >&2; exit 1; }
[ -n "$browser" ] || { echo "chromium not found (apt-get install -y chromium)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$top/support" "$work/support"
printf '[General]\r\n' > "$work/pagewick.ini"
mkdir -p "$work/Notes/imgs"

# The picture: a plan of a garden bed, drawn as a page and captured the way a screenshot would be.
cat > "$work/plan.html" <<'HTML'
<html><body style="margin:0;background:#f4f1e8;font:15px sans-serif">
<svg width="520" height="300" xmlns="http://www.w3.org/2000/svg">
  <rect x="20" y="20" width="480" height="260" fill="#e3dcc6" stroke="#6b5a3a" stroke-width="3"/>
  <rect x="40" y="40" width="200" height="100" fill="#9fc58a"/><text x="60" y="95">Beans</text>
  <rect x="260" y="40" width="220" height="100" fill="#c9d98a"/><text x="280" y="95">Lettuce</text>
  <rect x="40" y="160" width="140" height="100" fill="#e0a36a"/><text x="60" y="215">Carrots</text>
  <rect x="200" y="160" width="280" height="100" fill="#d9816a"/><text x="220" y="215">Tomatoes</text>
</svg></body></html>
HTML
"$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=520,300 \
  --screenshot="$work/Notes/imgs/Image_000.png" "file://$work/plan.html" >/dev/null 2>&1

printf '# Garden plan\r\n\r\nThe beds for next spring, from the sketch on the shed door:\r\n\r\n![ Image_000.png ](imgs/Image_000.png)\r\n\r\nTomatoes go where the sun stays longest.\r\n' \
  > "$work/Notes/Garden plan.md"
"$cli" render "$work/Notes/Garden plan.md" --settings "$work/pagewick.ini" > "$work/Notes/Garden plan.html"

mkdir -p "$(dirname "$shot")"
"$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=800,620 \
  --screenshot="$shot" "file://$work/Notes/Garden plan.html" >/dev/null 2>&1
echo "Screenshot saved to $shot"
