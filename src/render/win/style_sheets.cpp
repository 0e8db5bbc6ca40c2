// The style sheet of rendered pages: chosen from the "Select CSS" submenu until the program quits, stored as
// MarkupCSS only when SaveCSSOnChange asks for it.
#include "render/image_page.h"
#include "render/win/render_state.h"
#include "render/win/web_view.h"
#include "settings/limits.h"
#include "settings/text.h"
#include "settings/win/handles.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pw {
namespace {

constexpr int kMaxMenuSheets = CMD_CSS_LAST - CMD_CSS_FIRST + 1;

std::string& ChosenSheet()
{
    return RenderArea().view.chosenStyleSheet;
}

void EmptyMenu(HMENU menu)
{
    while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
}

}  // namespace

std::string CurrentStyleSheet()
{
    return CurrentStyleSheet(ChosenSheet(), Settings().GetString("MarkupCSS", kDefaultStyleSheet));
}

void SetStyleSheet(const std::string& name)
{
    ChosenSheet() = Cut(name);
    if (Settings().GetBoolDefaultFalse("SaveCSSOnChange")) Settings().SetGeneral("MarkupCSS", ChosenSheet());
}

std::vector<std::string> ListStyleSheets()
{
    std::vector<std::string> names;
    std::string pattern;
    if (!JoinPath(pattern, ProgramFolder() + "support", "*.css")) return names;
    WIN32_FIND_DATAA found;
    FindHandle search(FindFirstFileA(pattern.c_str(), &found));
    if (!search.valid()) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Cut(found.cFileName));
    } while (FindNextFileA(search.get(), &found));
    return names;
}

void FillStyleSheetMenu(HMENU submenu)
{
    if (!submenu) return;
    EmptyMenu(submenu);
    const std::vector<std::string> names = ListStyleSheets();
    const std::string current = CurrentStyleSheet();
    for (int i = 0; i < static_cast<int>(names.size()) && i < kMaxMenuSheets; ++i) {
        const UINT checked = EqualsNoCase(names[i], current) ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuA(submenu, MF_STRING | checked, CMD_CSS_FIRST + i, names[i].c_str());
    }
}

void ChooseStyleSheet(int id)
{
    const int index = id - CMD_CSS_FIRST;
    const std::vector<std::string> names = ListStyleSheets();
    if (index < 0 || index >= kMaxMenuSheets || index >= static_cast<int>(names.size())) return;
    SetStyleSheet(names[index]);
    RenderView();
}

}  // namespace pw
