#!/usr/bin/env bash
# Screenshots of the installer's Welcome and Advanced pages under Xvfb:
# docs/screenshots/install-welcome.png and install-advanced.png. Needs the 64-bit build (make win64).
# The installer only shows its window here: nothing is clicked but the Advanced label.
set -eu
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/wine-env.sh"
exe="$top/$build/win64/Install.exe"
[ -x "$exe" ] || { echo "missing $exe (make win64)" >&2; exit 1; }
shots="$top/docs/screenshots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/Install.exe"
mkdir -p "$shots"

# Wine's desktop process belongs to the display it started on: prepare the prefix inside the same Xvfb.
xvfb-run -a -s "-screen 0 800x600x24" bash -c "
  set -e
  '$top/scripts/wine-cleanup.sh'; '$top/scripts/wine-setup.sh'
  cd '$work' && (wine Install.exe </dev/null >/dev/null 2>&1 &)
  for n in \$(seq 50); do id=\$(xdotool search --name '^Install Pagewick\$' 2>/dev/null | head -n 1); [ -n \"\$id\" ] && break; sleep 0.2; done
  [ -n \"\$id\" ] || { echo 'the installer window did not appear' >&2; exit 1; }
  sleep 1
  eval \$(xdotool getwindowgeometry --shell \$id)
  crop=\${WIDTH}x\${HEIGHT}+\${X}+\${Y}
  import -window root -crop \$crop +repage '$shots/install-welcome.png'
  # The Advanced label: 8 and 94 dialog units from the client's corner, below the caption Wine draws.
  xdotool mousemove --window \$id 36 170 click 1
  sleep 1
  import -window root -crop \$crop +repage '$shots/install-advanced.png'
  wine taskkill /f /im Install.exe </dev/null >/dev/null 2>&1 || true
"
"$top/scripts/wine-cleanup.sh"
echo "Screenshots saved to $shots/install-welcome.png and $shots/install-advanced.png"
