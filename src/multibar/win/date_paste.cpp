#include "multibar/win/date_paste.h"

#include <string>

#include "library/win/library_state.h"
#include "multibar/date_template.h"
#include "notes/win/document.h"
#include "notes/win/notes_state.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "sheet/win/cell_editor.h"

namespace pw {

namespace {

enum class PasteTarget { None, Multibar, SheetCell, Note };

PasteTarget TargetOf(HWND window)
{
    const NotePanes& panes = NotesArea().panes;
    if (window == nullptr) return PasteTarget::None;
    if (window == panes.multibar) return PasteTarget::Multibar;
    if (window == panes.editNoWrap || window == panes.editWrap) return PasteTarget::Note;
    if (window == CellEditBox()) return PasteTarget::SheetCell;
    return PasteTarget::None;
}

void InsertAtCaret(HWND window, const std::string& text)
{
    SendMessageA(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string DateTextFor(DateTarget target)
{
    const PlaceRecord& place = CurrentPlace();
    return PasteDateText(target, Settings(), FileDirectory(place), place.rootPath, LocalNow());
}

}  // namespace

void PasteDate(HWND target)
{
    switch (TargetOf(target)) {
        case PasteTarget::Multibar:
            InsertAtCaret(target, DateTextFor(DateTarget::Multibar));
            break;
        case PasteTarget::Note:
            // A note shown read-only (it holds NUL bytes or is too long) is never written into.
            if (IsWindowEnabled(target) && !DocumentReadOnly()) InsertAtCaret(target, DateTextFor(DateTarget::Note));
            break;
        case PasteTarget::SheetCell:
            InsertAtCaret(target, DateTextFor(DateTarget::SheetCell));
            break;
        case PasteTarget::None:
            break;
    }
}

}  // namespace pw
