// The paged Configure dialog.
#pragma once

namespace pw {

void ShowConfigure();

}  // namespace pw
