// Showing the current file in View mode. A note page is built in memory by the same pipeline the command-line
// tool prints (the note read with its CR LF pairs as LF, then wiki converter, hard breaks and sundown as the
// settings say) and written as it is into a fresh temporary page; the pane then navigates to it.
#include "render/win/web_view.h"

#include "render/image_page.h"
#include "render/page.h"
#include "render/view_page.h"
#include "render/win/page_engine.h"
#include "render/win/render_state.h"
#include "render/win/render_temp.h"
#include "settings/text.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

constexpr const char* kImagePageName = "temp.html";

WebViewState& State()
{
    return RenderArea().view;
}

const PlaceRecord& ShownPlace()
{
    return State().host->CurrentPlace();
}

// The browser pane; null when it could not be made.
HWND Pane()
{
    return RenderArea().browser.pane;
}

// Cleared on every way out of RenderView.
class BusyMark {
public:
    BusyMark() { State().busy = true; }
    BusyMark(const BusyMark&) = delete;
    BusyMark& operator=(const BusyMark&) = delete;
    ~BusyMark() { State().busy = false; }
};

std::string ExistingStyleSheetPath()
{
    const std::string path = StyleSheetPath(ProgramFolder(), CurrentStyleSheet());
    return !path.empty() && PathExists(path) && !IsFolder(path) ? path : std::string();
}

PageContext ContextFor(const std::string& sourcePath)
{
    return {sourcePath, FileDirectory(ShownPlace()), ExistingStyleSheetPath()};
}

ViewKind KindOf(const std::string& path)
{
    const StringList extensions = MarkdownExtensionList(Settings().GetList("MarkdownExtraExtensions"));
    return RenderFlagsFor(path, extensions, ReadRenderSettings(Settings())).kind;
}

// The page of a note in a fresh temporary file; false when the note cannot be read or the page written.
bool RenderNotePage(const std::string& path, std::string& pagePath)
{
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return false;
    const PageContext context = ContextFor(path);
    ViewPageInput input{path, std::move(*bytes), context.currentFolder, context.styleSheetPath, CurrentStyleSheet()};
    pagePath = RenderTempPath();
    return WriteWholeFile(pagePath, ViewPageText(input, Settings()));
}

void HistoryStep(int command)
{
    HWND pane = Pane();
    auto run = State().historyCommand ? State().historyCommand : BrowserCommand;
    // Without a page to go to the title never changes: there is nothing to wait for.
    if (!pane || !run(pane, command)) return;
    const std::string title = WaitForTitleChange(pane);
    // A rendered note's title is its file name, and the current place follows the page to that note; the
    // image page's "image" usually names nothing.
    if (!title.empty()) FileList().followShown(title);
}

}  // namespace

bool BrowserPaneBusy()
{
    return State().busy;
}

void BrowseAddress(const std::string& address)
{
    if (State().busy || address.empty()) return;
    BusyMark busy;
    HWND pane = Pane();
    ShowPage(pane, PageKind::ShownDirectly, address);
    if (pane) WaitForTitleChange(pane);
}

void ShowPage(HWND pane, PageKind kind, const std::string& address)
{
    SetShownPageKind(kind);
    State().shownAddress = address;
    NavigatePane(pane, address);
    if (pane) ShowWindow(pane, SW_SHOW);
}

const std::string& ShownPageAddress()
{
    return State().shownAddress;
}

bool ShowImagePage(HWND pane, const std::string& imagePath)
{
    std::string page;
    int width = 0;
    int height = 0;
    State().imagePageStyled =
        ImagePageUsesStyleSheet(Settings().GetBoolDefaultTrue("ImageUseCSS"), CurrentStyleSheet());
    if (State().imagePageStyled) {
        page = StyledImagePage(PageHead(ContextFor(imagePath)), imagePath);
    } else if (LastPaneSize(width, height)) {
        page = SizedImagePage(width, Settings().GetInt("ImageCSSPad", 5), GetSystemMetrics(SM_CXVSCROLL), imagePath);
    } else {
        page = PlainImagePage(imagePath);
    }
    const std::string pagePath = ProgramFolder() + kImagePageName;
    if (!WriteWholeFile(pagePath, page)) {
        StatusMessage("Error writing temp file");
        return false;
    }
    ShowPage(pane, PageKind::ImagePage, pagePath);
    return true;
}

void RenderView()
{
    if (State().busy) return;
    BusyMark busy;
    const std::string path = OpenFilePath(ShownPlace());
    if (path.empty() || !PathExists(path) || IsFolder(path)) return;
    if (HWND main = RenderArea().browser.mainWindow) SetWindowTextA(main, ShownPlace().file.c_str());
    HWND pane = Pane();
    bool shown = true;
    switch (KindOf(path)) {
        case ViewKind::ImagePage:
            shown = ShowImagePage(pane, path);
            break;
        case ViewKind::ShownDirectly:
            ShowPage(pane, PageKind::ShownDirectly, path);
            break;
        case ViewKind::Rendered: {
            std::string pagePath;
            shown = RenderNotePage(path, pagePath);
            if (shown) ShowPage(pane, PageKind::Rendered, pagePath);
            break;
        }
    }
    if (pane) ShowWindow(pane, SW_SHOW);
    if (shown) AfterPageShown(pane, State().shownAddress, path, ShownPlace().file);
}

void BlankView()
{
    HWND pane = Pane();
    if (!pane) return;
    BrowserCommand(pane, kBrowserStop);
    NavigatePane(pane, "about:blank");
    SetShownPageKind(PageKind::None);
    ForgetHandedOverPage();
    ShowWindow(pane, SW_HIDE);
    State().host->Relayout();
}

bool WebPageShown()
{
    return ShownPageKind() != PageKind::None;
}

bool ShownPageUsesStyleSheet()
{
    switch (ShownPageKind()) {
        case PageKind::Rendered:
            return true;
        case PageKind::ImagePage:
            return Settings().GetBoolDefaultTrue("ImageUseCSS");
        default:
            return false;
    }
}

void PrintShownPage()
{
    HWND pane = Pane();
    if (!pane) return;
    SetPrintHeader(Settings().GetBoolDefaultTrue("PrintTitle") ? ShownPlace().file : std::string());
    BrowserCommand(pane, kBrowserPrint);
}

void BrowserBack()
{
    HistoryStep(kBrowserBack);
}
void BrowserForward()
{
    HistoryStep(kBrowserForward);
}

void SetHistoryCommand(std::function<bool(HWND pane, int command)> run)
{
    State().historyCommand = std::move(run);
}

void BrowserRefresh()
{
    if (HWND pane = Pane()) BrowserCommand(pane, kBrowserRefresh);
}

}  // namespace pw
