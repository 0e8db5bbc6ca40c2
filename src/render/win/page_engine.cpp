// The page engine check: at start-up the pane is sent to a temporary page whose only content is a known title.
// An engine shows it at once, so the first View finds the title there and costs nothing; without an engine the
// title never comes, and the first View gives up after a short wait of the title wait's own pump.
#include "render/win/page_engine.h"

#include <shellapi.h>

#include "render/win/browser_pane.h"
#include "render/win/render_state.h"
#include "render/win/render_temp.h"
#include "settings/win/safe_file.h"
#include "settings/win/messages.h"

namespace pw {
namespace {

PageEngineState& State()
{
    return RenderArea().engine;
}

bool OpenInWebBrowser(const std::string& page)
{
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(RenderArea().browser.mainWindow, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

std::string NoticeText(const std::string& fileName)
{
    return "Pagewick cannot show pages in this window: the system's web browser control has no page engine "
           "here.\r\n\r\nThe page of " +
           fileName +
           " is open in your web browser instead. Its links to other notes work only inside Pagewick: choose "
           "notes in the lists on the left.";
}

void ShowNotice(HWND pane, const std::string& text)
{
    PageEngineState& state = State();
    if (!state.notice) {
        auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(pane, GWLP_HINSTANCE));
        state.notice = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_CLIPSIBLINGS | SS_LEFT, 0, 0, 10, 10, pane,
                                       nullptr, instance, nullptr);
        if (!state.notice) return;
        SendMessageA(state.notice, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    SetWindowTextA(state.notice, text.c_str());
    RECT area{};
    GetClientRect(pane, &area);
    SetWindowPos(state.notice, HWND_TOP, 0, 0, area.right, area.bottom, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

}  // namespace

void StartPageEngineProbe(HWND pane)
{
    if (!pane || State().engine != PageEngine::Unknown) return;
    const std::string page = RenderTempPath();
    const std::string text = std::string("<html><head><title>") + kEngineProbeTitle + "</title></head></html>\n";
    if (page.empty() || !WriteWholeFile(page, text)) return;
    State().probePage = page;
    NavigatePane(pane, page);
}

PageEngine PageEngineOf(HWND pane)
{
    PageEngineState& state = State();
    if (state.engine != PageEngine::Unknown) return state.engine;
    if (!pane) return PageEngine::Unknown;
    if (state.probePage.empty()) StartPageEngineProbe(pane);
    state.engine =
        TitleArrives(pane, kEngineProbeTitle, kEngineProbeReadings) ? PageEngine::Present : PageEngine::Absent;
    return state.engine;
}

void SetPageEngineAnswer(PageEngine engine)
{
    State().engine = engine;
}

void SetPageHandOver(PageHandOver handOver)
{
    State().handOver = std::move(handOver);
}

void AfterPageShown(HWND pane, const std::string& page, const std::string& sourcePath, const std::string& fileName)
{
    if (!pane || PageEngineOf(pane) != PageEngine::Absent) return;
    ShowNotice(pane, NoticeText(fileName));
    PageEngineState& state = State();
    if (state.handedOverFor == sourcePath) return;
    state.handedOverFor = sourcePath;
    const bool taken = state.handOver ? state.handOver(page) : OpenInWebBrowser(page);
    if (taken)
        StatusMessage("No page engine here: %s is open in your web browser", fileName.c_str());
    else
        StatusMessage("No page engine here, and the web browser could not open %s", fileName.c_str());
}

void ForgetHandedOverPage()
{
    State().handedOverFor.clear();
}

void FitEngineNotice(int width, int height)
{
    if (HWND notice = State().notice) SetWindowPos(notice, HWND_TOP, 0, 0, width, height, SWP_NOACTIVATE);
}

std::string EngineNoticeText()
{
    HWND notice = State().notice;
    if (!notice || !IsWindowVisible(notice)) return {};
    char text[1024] = {};
    GetWindowTextA(notice, text, sizeof(text));
    return text;
}

}  // namespace pw
