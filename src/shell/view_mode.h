// View mode shows wiki and Markdown notes rendered; Edit mode edits them.
#pragma once

namespace pw {

enum class ViewMode { View = 1, Edit = 2 };

}  // namespace pw
