#!/usr/bin/env bash
# The include rule of the Win32 layer (docs/architecture.md): a file in src/AREA/win may include the headers of
# its own area, of any area's portable core (src/X/*.h), and of the Win32 areas in lower layers, never those
# of an area in its own layer or above. The portable core includes no Win32 header at all. Every Win32 area
# must have a layer here. Prints each offending include as FILE:LINE and fails when there is one.
#
#   scripts/check-layers.sh [SRC_DIR]     (default: the repository's src)
set -u
src=${1:-$(cd "$(dirname "$0")/.." && pwd)/src}

# Bottom to top. Areas in one layer know nothing of each other.
layer_of() {
    case $1 in
        settings) echo 0 ;;                         # settings, status line, boxes, handles, files, message pump
        render | notes | sheet | media | launch) echo 1 ;;  # the viewers and what they hand to other programs
        library) echo 2 ;;                          # roots, panes, the open routine that picks a viewer
        multibar | dialogs | install) echo 3 ;;     # tools that drive the library and the viewers; install: its own program
        shell) echo 4 ;;                            # the main window: owns all state, dispatches to areas
        app) echo 5 ;;                              # WinMain
        *) echo "" ;;
    esac
}

win_headers='windows|windowsx|commctrl|commdlg|shellapi|shlobj|shlwapi|ole2|oleauto|objbase|unknwn|exdisp|mshtml|mshtmhst|servprov|gdiplus|winsock2|ws2tcpip'
include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"]'
failures=0

fail() {
    echo "$1"
    failures=$((failures + 1))
}

# Each include of a file: "LINE TARGET" per line.
includes_of() {
    grep -nE "$include_re" "$1" | sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1 \2/'
}

check_win_file() {
    local file=$1 area=$2 rank=$3 line target other other_rank
    while read -r line target; do
        [ -n "$line" ] || continue
        case $target in
            ../* | ./*) fail "$file:$line: relative include \"$target\" (name headers from src)" ;;
            */win/*)
                other=${target%%/*}
                [ "$other" = "$area" ] && continue
                other_rank=$(layer_of "$other")
                if [ -z "$other_rank" ]; then
                    fail "$file:$line: $area/win includes $target of an area without a layer"
                elif [ "$other_rank" -ge "$rank" ]; then
                    fail "$file:$line: $area/win (layer $rank) includes $target (layer $other_rank): includes run downward only"
                fi
                ;;
        esac
    done < <(includes_of "$file")
}

# Install is a program of its own: its core and its Win32 layer include headers of the install area alone.
check_install_file() {
    local file=$1 line target other
    while read -r line target; do
        [ -n "$line" ] || continue
        other=${target%%/*}
        [ "$other" != "$target" ] && [ "$other" != install ] && [ -n "$(layer_of "$other")" ] &&
            fail "$file:$line: install includes $target: Install shares no code with Pagewick"
    done < <(includes_of "$file")
}

check_core_file() {
    local file=$1 line target
    while read -r line target; do
        [ -n "$line" ] || continue
        if [[ $target == */win/* ]]; then
            fail "$file:$line: portable core includes the Win32 layer's $target"
        elif [[ $target =~ ^($win_headers)\.h$ ]]; then
            fail "$file:$line: portable core includes <$target>"
        fi
    done < <(includes_of "$file")
}

[ -d "$src" ] || { echo "no source folder $src"; exit 2; }
for dir in "$src"/*/; do
    area=$(basename "$dir")
    if [ "$area" = install ]; then
        for file in "$dir"*.h "$dir"*.cpp "$dir"win/*.h "$dir"win/*.cpp; do
            [ -f "$file" ] && check_install_file "$file"
        done
    fi
    for file in "$dir"*.h "$dir"*.cpp; do
        [ -f "$file" ] || continue
        if [ "$area" = app ]; then
            check_win_file "$file" app "$(layer_of app)"
        else
            check_core_file "$file"
        fi
    done
    [ -d "$dir/win" ] || continue
    rank=$(layer_of "$area")
    if [ -z "$rank" ]; then
        fail "$dir""win: the area $area has no layer in scripts/check-layers.sh"
        continue
    fi
    for file in "$dir"win/*.h "$dir"win/*.cpp; do
        [ -f "$file" ] && check_win_file "$file" "$area" "$rank"
    done
done

if [ "$failures" -gt 0 ]; then
    echo "$failures include(s) break the layering of docs/architecture.md"
    exit 1
fi
echo "the Win32 layer's includes run downward"
