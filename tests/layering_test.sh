#!/usr/bin/env bash
# The include guard itself: a small source tree per case, one include in it, and what the guard must say.
set -u
guard=$(cd "$(dirname "$0")/.." && pwd)/scripts/check-layers.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# file | include | expected: "ok", or a piece of the message that names the offence
cases=(
    'library/win/open.cpp|#include "notes/win/document.h"|ok'
    'library/win/open.cpp|#include "library/win/file_pane.h"|ok'
    'library/win/open.cpp|#include "shell/ids.h"|ok'
    'shell/win/main.cpp|#include "library/win/library_state.h"|ok'
    'app/main.cpp|#include "shell/win/startup.h"|ok'
    'notes/win/a.cpp|// #include "shell/win/main_window.h"|ok'
    'library/win/open.cpp|#include "shell/win/main_window.h"|open.cpp:1: library/win (layer 2) includes shell/win/main_window.h (layer 4)'
    'render/win/view.cpp|  #  include "library/win/file_pane.h"|view.cpp:1: render/win (layer 1) includes library/win/file_pane.h (layer 2)'
    'notes/win/a.cpp|#include "render/win/web_view.h"|a.cpp:1: notes/win (layer 1) includes render/win/web_view.h (layer 1)'
    'settings/win/s.h|#include "notes/win/document.h"|s.h:1: settings/win (layer 0) includes notes/win/document.h'
    'notes/win/a.cpp|#include "../../shell/win/main_window.h"|a.cpp:1: relative include'
    'notes/win/a.cpp|#include "gadget/win/thing.h"|a.cpp:1: notes/win includes gadget/win/thing.h of an area without a layer'
    'gadget/win/thing.cpp|#include "settings/win/messages.h"|the area gadget has no layer'
    'notes/note_text.h|#include <windows.h>|note_text.h:1: portable core includes <windows.h>'
    'render/page.cpp|#include "settings/win/settings_win.h"|page.cpp:1: portable core includes the Win32 layer'
    'install/win/run.cpp|#include "install/win/files.h"|ok'
    'install/win/run.cpp|#include "install/install_plan.h"|ok'
    'install/win/run.cpp|#include "settings/win/messages.h"|run.cpp:1: install includes settings/win/messages.h: Install shares no code'
    'install/plan.cpp|#include "settings/text.h"|plan.cpp:1: install includes settings/text.h: Install shares no code'
)

for entry in "${cases[@]}"; do
    IFS='|' read -r file include expected <<<"$entry"
    tree="$work/src"
    rm -rf "$tree"
    mkdir -p "$tree/$(dirname "$file")"
    printf '%s\n' "$include" >"$tree/$file"
    output=$("$guard" "$tree" 2>&1)
    code=$?
    if [ "$expected" = ok ]; then
        if [ $code -ne 0 ]; then
            echo "FAIL: $file with '$include' was refused: $output"
            status=1
        fi
    elif [ $code -eq 0 ] || [[ $output != *"$expected"* ]]; then
        echo "FAIL: $file with '$include': expected a refusal saying '$expected', got ($code): $output"
        status=1
    fi
done
[ $status -eq 0 ] && echo "all ${#cases[@]} cases as expected"
exit $status
