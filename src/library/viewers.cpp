#include "library/viewers.h"

#include <algorithm>

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {
namespace {

const ExtensionList kTextEditExtensions = {".txt", ".ini", ".bat", ".wgi", ".html", ".xml", ".log",
                                           ".old", ".wki", ".h",   ".c",   ".rc",   ".hpp", ".cpp",
                                           ".htm", ".reg", ".md",  ".js",  ".css",  ".fw"};
const ExtensionList kWebViewExtensions = {".jpg", ".png", ".gif", ".html", ".htm", ".xml", ".md", ".wki", ".bmp"};
const ExtensionList kSpreadsheetViewExtensions = {".csv"};
const ExtensionList kMarkdownExtensions = {".md", ".markdown"};

constexpr int kBrowserPaneId = 208;
constexpr int kSheetPaneId = 210;

bool Contains(const ExtensionList& list, std::string_view extension)
{
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& item) { return EqualsNoCase(item, extension); });
}

ExtensionList BuildList(const ExtensionList& builtIn, const ExtensionList& extras)
{
    ExtensionList list;
    AddExtensions(list, builtIn);
    AddExtensions(list, extras);
    return list;
}

int FirstViewer(const ViewerTable& table, std::string_view fileName, ExtensionList ViewerInfo::*list)
{
    for (std::size_t i = 0; i < table.viewers.size(); ++i) {
        if (HasListedExtension(table.viewers[i].*list, fileName)) return static_cast<int>(i);
    }
    return kNoViewer;
}

}  // namespace

void AddExtensions(ExtensionList& list, const ExtensionList& items)
{
    for (const std::string& item : items) {
        if (list.size() >= kMaxExtensions) return;
        if (item.empty()) continue;
        std::string extension = Cut(item.front() == '.' ? item : "." + item);
        if (!Contains(list, extension)) list.push_back(std::move(extension));
    }
}

ViewerTable BuildViewerTable(const ExtraExtensions& extras)
{
    ViewerTable table;
    table.viewers[kTextViewer] = {ViewerKind::Text, 0, {}, BuildList(kTextEditExtensions, extras.text)};
    table.viewers[kWebViewer] = {ViewerKind::Web, kBrowserPaneId, BuildList(kWebViewExtensions, extras.web), {}};
    table.viewers[kSpreadsheetViewer] = {
        ViewerKind::Spreadsheet, kSheetPaneId, BuildList(kSpreadsheetViewExtensions, extras.spreadsheet), {}};
    table.markdown = BuildList(kMarkdownExtensions, extras.markdown);
    return table;
}

bool HasListedExtension(const ExtensionList& list, std::string_view fileName)
{
    std::string extension = ExtensionOf(fileName);
    return !extension.empty() && Contains(list, extension);
}

int ViewerForView(const ViewerTable& table, std::string_view fileName)
{
    return FirstViewer(table, fileName, &ViewerInfo::viewList);
}

int ViewerForEdit(const ViewerTable& table, std::string_view fileName)
{
    return FirstViewer(table, fileName, &ViewerInfo::editList);
}

bool IsMarkdown(const ViewerTable& table, std::string_view fileName)
{
    return HasListedExtension(table.markdown, fileName);
}

OpenDecision DecideOpen(const ViewerTable& table, OpenMode mode, int viewMode, std::string_view fileName)
{
    if (mode == OpenMode::OpenAsText) return {kTextViewer, OpenAction::LoadAsText};
    if (viewMode == kViewMode) {
        if (int viewer = ViewerForView(table, fileName); viewer != kNoViewer) return {viewer, OpenAction::Show};
    }
    if (int viewer = ViewerForEdit(table, fileName); viewer != kNoViewer) return {viewer, OpenAction::LoadAsText};
    if (viewMode != kViewMode) {
        if (int viewer = ViewerForView(table, fileName); viewer != kNoViewer) return {viewer, OpenAction::Show};
    }
    if (mode == OpenMode::Activate) return {kNoViewer, OpenAction::ShellOpen};
    return {kNoViewer, OpenAction::NoViewer};
}

int OpenTargetIndex(OpenMode mode, int selected, int itemCount)
{
    if (selected < 0 || itemCount <= 0) return -1;
    int target = selected;
    if (mode == OpenMode::Previous) target = selected - 1;
    if (mode == OpenMode::Next) target = selected + 1;
    return std::clamp(target, 0, itemCount - 1);
}

}  // namespace pw
