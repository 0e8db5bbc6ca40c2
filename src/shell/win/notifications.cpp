#include "shell/win/notifications.h"

#include <commctrl.h>

#include "shell/win/main_window.h"
#include "shell/win/toolbar.h"

namespace pw {
namespace {

LRESULT ToolbarTooltipText(NMHDR* header)
{
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    const char* text = ToolbarTooltip(header->idFrom);
    info->lpszText = const_cast<char*>(text ? text : "");
    info->hinst = nullptr;
    return 0;
}

}  // namespace

LRESULT RouteNotification(NMHDR* header)
{
    if (!header) return 0;
    if (header->code == TTN_GETDISPINFOA) return ToolbarTooltipText(header);
    return 0;
}

}  // namespace pw
