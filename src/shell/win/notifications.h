// WM_NOTIFY from the panes, routed to their owners.
#pragma once

#include <windows.h>

namespace pw {

LRESULT RouteNotification(NMHDR* header);

}  // namespace pw
