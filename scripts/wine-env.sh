# Sourced by the scripts that start Wine: one quiet prefix per checkout, no Mono or Gecko prompts.
top=${top:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${PW_WINEPREFIX:-$top/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=C.UTF-8
