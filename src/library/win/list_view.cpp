#include "library/win/list_view.h"

#include "settings/text.h"

namespace pw::list_view {

int Count(HWND list)
{
    return ListView_GetItemCount(list);
}

int Insert(HWND list, int index, const std::string& text, int image)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = image;
    return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

std::string Text(HWND list, int index)
{
    char buffer[MAX_PATH] = {};
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = buffer;
    item.cchTextMax = MAX_PATH;
    SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void SetText(HWND list, int index, const std::string& text)
{
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
}

int Selected(HWND list)
{
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

void Select(HWND list, int index)
{
    ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, index, FALSE);
}

void ClearSelection(HWND list)
{
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void Clear(HWND list)
{
    ListView_DeleteAllItems(list);
}

int Find(HWND list, const std::string& name)
{
    const int count = Count(list);
    for (int i = 0; i < count; ++i)
        if (EqualsNoCase(Text(list, i), name)) return i;
    return -1;
}

void Remove(HWND list, int index)
{
    ListView_DeleteItem(list, index);
}

BatchUpdate::BatchUpdate(HWND list) : list_(list)
{
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
}

BatchUpdate::~BatchUpdate()
{
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

}  // namespace pw::list_view
