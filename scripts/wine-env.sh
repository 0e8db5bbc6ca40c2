# Sourced by the scripts that start Wine: one quiet prefix per checkout, no Mono or Gecko prompts.
top=${top:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${PW_WINEPREFIX:-$top/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko prompts, and no hand-off of web pages to a browser of the host.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winebrowser.exe=}
export LC_ALL=C.UTF-8
