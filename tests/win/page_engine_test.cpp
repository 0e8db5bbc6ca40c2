// View mode where the browser control has no page engine: the check at the first page, and the fallback that
// hands each note's page to the web browser and says so in the pane and the status line.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "library/win/library_state.h"
#include "render/win/browser_pane.h"
#include "render/win/page_engine.h"
#include "render/win/web_view.h"
#include "settings/win/messages.h"
#include "shell/win/main_window.h"

namespace pwtest {
namespace {

class PageEngineTest : public PagewickTest {
protected:
    void StartOn(const std::string& file)
    {
        notes = InFolder("notes");
        MakeFolder(notes);
        WriteFile(notes + "\\a.md", "+ Title A\r\ntext of a\r\n");
        WriteFile(notes + "\\b.md", "+ Title B\r\n");
        ASSERT_TRUE(Start());
        pw::RootTable& roots = pw::Roots();
        const int index = pw::AddRoot(roots, notes, notes, "Notes", ".md", ".txt");
        ASSERT_GE(index, 0);
        roots.current = index;
        pw::PlaceRecord& place = pw::CurrentPlace();
        place.inUse = 1;
        place.folderPath = notes;
        place.file = file;
        pw::SetPageHandOver([this](const std::string& page) {
            handedOver.push_back(page);
            return handOverWorks;
        });
    }

    void Show(const std::string& file)
    {
        pw::BlankView();
        pw::CurrentPlace().file = file;
        pw::RenderView();
    }

    bool Said(const std::string& text)
    {
        const std::vector<std::string>& said = pw::RecentStatusTexts();
        return std::find(said.begin(), said.end(), text) != said.end();
    }

    std::string notes;
    std::vector<std::string> handedOver;
    bool handOverWorks = true;
};

TEST_F(PageEngineTest, WithoutAnEngineEachNoteGoesToTheWebBrowserOnce)
{
    pageEngine = pw::PageEngine::Absent;
    StartOn("a.md");
    pw::RenderView();
    ASSERT_EQ(handedOver.size(), 1u);
    // The very page the pane was sent to, as rendered.
    EXPECT_EQ(handedOver[0], pw::ShownPageAddress());
    EXPECT_NE(ReadFile(handedOver[0]).find("<h1>Title A</h1>"), std::string::npos);
    EXPECT_EQ(pw::ShownPageKind(), pw::PageKind::Rendered);
    EXPECT_TRUE(Said("No page engine here: a.md is open in your web browser"));
    const std::string notice = pw::EngineNoticeText();
    EXPECT_NE(notice.find("no page engine"), std::string::npos) << notice;
    EXPECT_NE(notice.find("The page of a.md is open in your web browser"), std::string::npos) << notice;

    // Showing the same note again (another style sheet, a reload) does not open another browser window.
    pw::RenderView();
    EXPECT_EQ(handedOver.size(), 1u);
    Show("b.md");
    ASSERT_EQ(handedOver.size(), 2u);
    EXPECT_NE(ReadFile(handedOver[1]).find("<h1>Title B</h1>"), std::string::npos);
    EXPECT_NE(pw::EngineNoticeText().find("b.md"), std::string::npos);
}

TEST_F(PageEngineTest, AWebBrowserThatCannotOpenThePageIsReported)
{
    pageEngine = pw::PageEngine::Absent;
    handOverWorks = false;
    StartOn("a.md");
    pw::RenderView();
    EXPECT_EQ(handedOver.size(), 1u);
    EXPECT_TRUE(Said("No page engine here, and the web browser could not open a.md"));
}

TEST_F(PageEngineTest, WithAnEngineNothingChanges)
{
    StartOn("a.md");
    pw::RenderView();
    EXPECT_EQ(pw::ShownPageKind(), pw::PageKind::Rendered);
    EXPECT_TRUE(handedOver.empty());
    EXPECT_EQ(pw::EngineNoticeText(), "");
    EXPECT_FALSE(Said("No page engine here: a.md is open in your web browser"));
}

// The check itself: the probe page's title arrives, or it never does and the wait is short and taken once.
TEST_F(PageEngineTest, TheCheckLooksForTheProbeTitleOnce)
{
    struct Case {
        std::string title;
        pw::PageEngine engine;
        std::size_t handed;
    };
    for (const Case& c :
         {Case{pw::kEngineProbeTitle, pw::PageEngine::Present, 0}, Case{"", pw::PageEngine::Absent, 1}}) {
        pageEngine = pw::PageEngine::Unknown;
        StartOn("a.md");
        int readings = 0;
        pw::TitleWait wait;
        wait.stepMs = 0;
        wait.pump = [](int) { return true; };
        wait.readTitle = [&](HWND) {
            ++readings;
            return c.title;
        };
        pw::SetTitleWait(wait);
        pw::RenderView();
        EXPECT_EQ(pw::PageEngineOf(pw::Main().panes.browser), c.engine) << c.title;
        EXPECT_EQ(handedOver.size(), c.handed) << c.title;
        EXPECT_LE(readings, pw::kEngineProbeReadings) << c.title;
        const int taken = readings;
        Show("b.md");
        EXPECT_EQ(readings, taken) << "asked again: " << c.title;
        Stop();
        handedOver.clear();
    }
}

}  // namespace
}  // namespace pwtest
