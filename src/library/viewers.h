// The three viewers and the extension lists that decide which one shows a file, and the choice the open
// routine makes from the mode and the file name.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

using ExtensionList = std::vector<std::string>;

inline constexpr std::size_t kMaxExtensions = 260;

enum class ViewerKind { Text = 1, Web = 2, Spreadsheet = 3 };

// Indexes into the viewer table; the order is the search order.
inline constexpr int kTextViewer = 0;
inline constexpr int kWebViewer = 1;
inline constexpr int kSpreadsheetViewer = 2;
inline constexpr int kNoViewer = -1;

struct ViewerInfo {
    ViewerKind kind = ViewerKind::Text;
    int controlId = 0;       // 0 for the text viewer, whose windows are the editor's
    ExtensionList viewList;  // asked first in View mode
    ExtensionList editList;  // asked first in Edit mode
};

struct ViewerTable {
    std::array<ViewerInfo, 3> viewers;
    ExtensionList markdown;
};

// The extra-extension settings, as their comma lists were read.
struct ExtraExtensions {
    ExtensionList text;         // TextExtraExtensions
    ExtensionList web;          // WebExtraExtensions
    ExtensionList spreadsheet;  // SSExtraExtensions
    ExtensionList markdown;     // MarkdownExtraExtensions
};

// Appends the items to the list: a "." is put in front of an item without one, an item already there (case
// ignored) or empty is skipped, and the list stops growing at kMaxExtensions.
void AddExtensions(ExtensionList& list, const ExtensionList& items);
ViewerTable BuildViewerTable(const ExtraExtensions& extras);

// Whether the file's extension is in the list (case ignored).
bool HasListedExtension(const ExtensionList& list, std::string_view fileName);
// First viewer, in table order, whose view (edit) list holds the file's extension; kNoViewer when none.
int ViewerForView(const ViewerTable& table, std::string_view fileName);
int ViewerForEdit(const ViewerTable& table, std::string_view fileName);
bool IsMarkdown(const ViewerTable& table, std::string_view fileName);

inline constexpr int kViewMode = 1;
inline constexpr int kEditMode = 2;

enum class OpenMode { Open = 1, Activate = 2, OpenAsText = 3, Previous = 4, Next = 5 };

enum class OpenAction {
    Show,        // switch to the viewer and run its show operation
    LoadAsText,  // switch to the viewer and load the file's bytes into it
    ShellOpen,   // hand the file to the system's "open" verb
    NoViewer,    // close the document and say "No internal viewer for this file type"
};

inline constexpr std::string_view kNoViewerMessage = "No internal viewer for this file type";

struct OpenDecision {
    int viewer = kNoViewer;
    OpenAction action = OpenAction::NoViewer;
};

OpenDecision DecideOpen(const ViewerTable& table, OpenMode mode, int viewMode, std::string_view fileName);
// The file pane item an open works on: the one above or below the selection for Previous and Next, kept
// within the list; -1 when nothing is selected or the list is empty.
int OpenTargetIndex(OpenMode mode, int selected, int itemCount);

}  // namespace pw
