// The Configure dialog on the real main window: pages opened, changed, switched and closed through the
// pending layer; OK writes only what changed, Cancel nothing; the root dialog's checks.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "settings/win/dialog_runner.h"
#include "settings/win/messages.h"
#include "settings/text.h"
#include "settings/win/settings_win.h"
#include "shell/ids.h"

namespace pwtest {
namespace {

// Positions in the page list.
enum Page { kGeneral, kTextViewer, kWebBrowser, kRoots, kPerpetual, kExternal, kSpreadsheet, kDates };

class ConfigureTest : public PagewickTest {
protected:
    void TearDown() override
    {
        pw::SetDialogScript(nullptr);
        PagewickTest::TearDown();
    }

    void StartWith(const std::string& general, const std::string& roots = "")
    {
        lib = InFolder("Notes");
        MakeFolder(lib);
        WriteIni("[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n" +
                 general + "[BasicRoots]\r\n" + lib + "=Notes;.txt\r\n" + roots);
        Start();
    }

    // Runs the Configure dialog; frame gets the frame, and each root dialog the next function of rootDialogs.
    void Configure(std::function<void(HWND frame)> frame)
    {
        pw::SetDialogScript([this, frame](HWND dialog, int templateId) {
            if (templateId == IDD_CONFIGURE) {
                this->frame = dialog;
                frame(dialog);
                // A failed assertion left the script early: close the dialog rather than hang.
                if (HasFatalFailure()) Click(dialog, IDCANCEL);
            } else if (templateId == IDD_ROOT && !rootDialogs.empty()) {
                auto next = rootDialogs.front();
                rootDialogs.erase(rootDialogs.begin());
                next(dialog);
            }
        });
        Command(CMD_CONFIGURE);
        pw::SetDialogScript(nullptr);
    }

    HWND ShowPage(int position)
    {
        HWND list = GetDlgItem(frame, IDC_CONFIGURE_PAGES);
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        ListView_SetItemState(list, position, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return GetDlgItem(frame, IDC_CONFIGURE_PAGE);
    }

    static void Click(HWND dialog, int id)
    {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    static bool Marked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    static void Mark(HWND page, int id, bool on)
    {
        CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED);
        Click(page, id);
    }
    static std::string Field(HWND page, int id) { return TextOf(GetDlgItem(page, id)); }
    static void Type(HWND page, int id, const std::string& text) { SetDlgItemTextA(page, id, text.c_str()); }

    std::vector<std::string> Rows(HWND page)
    {
        HWND list = GetDlgItem(page, IDC_ROOT_LIST);
        std::vector<std::string> rows;
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            std::string text;
            for (int column = 0; column < 3; ++column) {
                char buffer[260] = {};
                ListView_GetItemText(list, row, column, buffer, sizeof buffer);
                text += (column ? "|" : "") + std::string(buffer);
            }
            rows.push_back(text);
        }
        return rows;
    }

    // Adds a root through the dialog with these fields: OK, then Cancel when a box refused them.
    void AddRoot(HWND page, const std::string& path, const std::string& alias, const std::string& extension)
    {
        rootDialogs.push_back([=, this](HWND dialog) {
            rootCaptions.push_back(TextOf(dialog));
            shownExtension = Field(dialog, IDC_ROOT_EXTENSION);
            Type(dialog, IDC_ROOT_PATH, path);
            Type(dialog, IDC_ROOT_ALIAS, alias);
            Type(dialog, IDC_ROOT_EXTENSION, extension);
            const std::size_t shown = boxes.size();
            Click(dialog, IDOK);
            if (boxes.size() > shown) Click(dialog, IDCANCEL);  // refused: the dialog stayed open
        });
        Click(page, IDC_ROOT_ADD);
    }

    std::string lib;
    HWND frame = nullptr;
    std::vector<std::function<void(HWND)>> rootDialogs;
    std::vector<std::string> rootCaptions;
    std::string shownExtension;
};

TEST_F(ConfigureTest, EveryPageKeepsItsValuesAcrossPageSwitchesAndOkWritesOnlyThem)
{
    StartWith("AutoSave=5\r\n");
    const std::string before = ReadFile(IniPath());
    struct Change {
        int page;
        int control;
        bool check;
        const char* text;  // typed, or for a check box nullptr to flip it
        const char* key;
        const char* written;
    } changes[] = {
        {kGeneral, IDC_AUTOSAVE, false, "9", "AutoSave", "9"},
        {kGeneral, IDC_EXPERT_MODE, true, nullptr, "ExpertMode", "1"},
        {kTextViewer, IDC_DEFAULT_EXTENSION, false, ".md", "DefaultExtension", ".md"},
        {kTextViewer, IDC_NOTE_FONT_SIZE, false, "14", "NoteFontSize", "14"},
        {kWebBrowser, IDC_MARKDOWN_EXTENSIONS, false, ".mdown", "MarkdownExtraExtensions", ".mdown"},
        {kWebBrowser, IDC_SHOW_CSS, true, nullptr, "ShowCSSInMenu", "0"},
        {kRoots, IDC_ROOT_HIDE_HIDDEN, true, nullptr, "HideHidden", "0"},
        {kExternal, IDC_EXTERNAL_ALIAS, false, "Editor", "ExternalProgramAlias", "Editor"},
        {kSpreadsheet, IDC_SHEET_NEVER_SORT, true, nullptr, "SSNeverSort", "1"},
        {kDates, IDC_DATE_NOTE, false, "yyyy-MM-dd", "NoteDateTemplate", "yyyy-MM-dd"},
    };
    Configure([&](HWND) {
        for (const Change& c : changes) {
            HWND page = ShowPage(c.page);
            ASSERT_TRUE(page) << c.key;
            if (c.check)
                Mark(page, c.control, !Marked(page, c.control));
            else
                Type(page, c.control, c.text);
            ShowPage(c.page == kDates ? kGeneral : kDates);
        }
        for (const Change& c : changes) {
            HWND page = ShowPage(c.page);
            if (c.check)
                EXPECT_EQ(Marked(page, c.control), std::string(c.written) == "1") << c.key;
            else
                EXPECT_EQ(Field(page, c.control), c.text) << c.key;
        }
        EXPECT_EQ(ReadFile(IniPath()), before);  // nothing before OK
        Click(frame, IDOK);
    });
    std::string expected = before;
    pw::Settings().Reload();
    for (const Change& c : changes) EXPECT_EQ(pw::Settings().GetString(c.key, "(absent)"), c.written) << c.key;
    // Only the changed keys differ: every other line of the file is as it was.
    std::string after = ReadFile(IniPath());
    for (const Change& c : changes) {
        const std::string line = std::string(c.key) + "=" + c.written + "\r\n";
        const std::size_t at = after.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        after.erase(at, line.size());
    }
    const std::string oldAutoSave = "AutoSave=5\r\n";
    expected.erase(expected.find(oldAutoSave), oldAutoSave.size());
    EXPECT_EQ(after, expected);
}

TEST_F(ConfigureTest, CancelLeavesTheFileByteForByte)
{
    StartWith("AutoSave=5\r\nUseStatBar=1\r\n");
    const std::string before = ReadFile(IniPath());
    Configure([&](HWND) {
        HWND page = ShowPage(kGeneral);
        Type(page, IDC_AUTOSAVE, "30");
        Mark(page, IDC_USE_STATUS_BAR, false);
        page = ShowPage(kRoots);
        AddRoot(page, InFolder("Other"), "Other", "md");
        Click(frame, IDCANCEL);
    });
    EXPECT_EQ(ReadFile(IniPath()), before);
}

TEST_F(ConfigureTest, CheckBoxesMarkOnlyOneAndTheCountBoxesFollowTheStatusBar)
{
    StartWith("UseStatBar=yes\r\n");
    Configure([&](HWND) {
        HWND page = ShowPage(kGeneral);
        EXPECT_FALSE(Marked(page, IDC_USE_STATUS_BAR));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_WORD_COUNT)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_CHAR_COUNT)));
        Mark(page, IDC_USE_STATUS_BAR, true);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_WORD_COUNT)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_CHAR_COUNT)));
        Mark(page, IDC_USE_STATUS_BAR, false);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_WORD_COUNT)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_CHAR_COUNT)));
        Click(frame, IDOK);
    });
    EXPECT_NE(ReadFile(IniPath()).find("UseStatBar=0\r\n"), std::string::npos);
}

TEST_F(ConfigureTest, RootsAreAddedCheckedAndSurviveAPageSwitch)
{
    StartWith("DefaultExtension=.wki\r\n");
    const std::string other = InFolder("Other");
    std::vector<std::string> rows;
    Configure([&](HWND) {
        HWND page = ShowPage(kRoots);
        AddRoot(page, other, "Other", "md");
        EXPECT_EQ(rootCaptions.back(), "Add New Root");
        EXPECT_EQ(shownExtension, ".wki");
        // Differs only in letter case from the root just added: refused, though it is only on screen yet.
        boxes.clear();
        std::string upper = other;
        for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        AddRoot(page, upper, "Again", ".txt");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "This directory is already in the list");
        EXPECT_EQ(boxes[0].caption, "Error");
        boxes.clear();
        AddRoot(page, InFolder("Third"), "", ".txt");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Please fill in all the fields");
        EXPECT_EQ(boxes[0].caption, "Required");
        ShowPage(kTextViewer);
        page = ShowPage(kRoots);
        rows = Rows(page);
        Click(frame, IDOK);
    });
    EXPECT_EQ(rows, (std::vector<std::string>{lib + "|Notes|.txt", other + "|Other|.md"}));
    const std::string ini = ReadFile(IniPath());
    EXPECT_NE(ini.find("[BasicRoots]\r\n" + lib + "=Notes;.txt\r\n" + other + "=Other;.md\r\n"), std::string::npos)
        << ini;
}

TEST_F(ConfigureTest, EditRootKeepsThePathAndRemoteUseNeedsTheProgramDrive)
{
    StartWith("");
    const std::string drive = Folder().substr(0, 2);
    const std::string elsewhere = (toupper(drive[0]) == 'Q' ? "R" : "Q") + std::string(":\\notes");
    std::vector<std::string> rows;
    Configure([&](HWND) {
        HWND page = ShowPage(kRoots);
        ListView_SetItemState(GetDlgItem(page, IDC_ROOT_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
        rootDialogs.push_back([&](HWND dialog) {
            EXPECT_EQ(TextOf(dialog), "Edit Root");
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ROOT_PATH)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_ROOT_BROWSE)));
            Type(dialog, IDC_ROOT_ALIAS, "Renamed");
            Type(dialog, IDC_ROOT_EXTENSION, "wki");
            Click(dialog, IDOK);
        });
        Click(page, IDC_ROOT_EDIT);
        rootDialogs.push_back([&](HWND dialog) {
            Type(dialog, IDC_ROOT_PATH, elsewhere);
            Click(dialog, IDC_ROOT_REMOTE);
            EXPECT_EQ(Field(dialog, IDC_ROOT_PATH), elsewhere);
            Type(dialog, IDC_ROOT_PATH, drive + "\\notes");
            Click(dialog, IDC_ROOT_REMOTE);
            EXPECT_EQ(Field(dialog, IDC_ROOT_PATH), "%AppSrcDrv%\\notes");
            Click(dialog, IDCANCEL);
        });
        boxes.clear();
        Click(page, IDC_ROOT_ADD);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Must be on same drive as the program to use this feature");
        EXPECT_EQ(boxes[0].caption, "Sorry");
        rows = Rows(page);
        Click(frame, IDOK);
    });
    EXPECT_EQ(rows, (std::vector<std::string>{lib + "|Renamed|.wki"}));
}

TEST_F(ConfigureTest, PerpetualNotesShowPathsKeepOldValuesAndTakeThePickedNote)
{
    lib = InFolder("Notes");
    MakeFolder(lib);
    MakeFolder(lib + "\\Work");
    WriteFile(lib + "\\a.txt", "a");
    WriteFile(lib + "\\Work\\w.txt", "w");
    const std::string first = lib + "|" + lib + "|Work|w.txt";
    const std::string second = lib + "|" + pw::FolderOf(lib) + "|Notes|a.txt";
    StartWith("PerpetualNote1=" + first + "\r\nPerpetualNote2=" + second + "\r\n");
    std::vector<std::string> folders;
    std::vector<std::string> files;
    Configure([&](HWND) {
        HWND page = ShowPage(kPerpetual);
        EXPECT_EQ(Field(page, IDC_PERPETUAL1), lib + "\\Work\\w.txt");
        EXPECT_EQ(Field(page, IDC_PERPETUAL2), lib + "\\a.txt");
        Click(page, IDC_PERPETUAL3_PICK);
        HWND picker = GetDlgItem(frame, IDC_CONFIGURE_PAGE);
        ASSERT_NE(picker, page);
        HWND roots = GetDlgItem(picker, IDC_PICK_ROOTS);
        ASSERT_EQ(SendMessageA(roots, CB_GETCOUNT, 0, 0), 1);
        SendMessageA(roots, CB_SETCURSEL, 0, 0);
        SendMessageA(picker, WM_COMMAND, MAKEWPARAM(IDC_PICK_ROOTS, CBN_SELCHANGE), reinterpret_cast<LPARAM>(roots));
        HWND folderList = GetDlgItem(picker, IDC_PICK_FOLDERS);
        ASSERT_EQ(ListView_GetItemCount(GetDlgItem(picker, IDC_PICK_FILES)), 1) << "files of the root";
        ASSERT_EQ(ListView_GetItemCount(folderList), 1) << "folders of the root";
        ListView_SetItemState(folderList, 0, LVIS_SELECTED, LVIS_SELECTED);
        NMHDR click{folderList, IDC_PICK_FOLDERS, static_cast<UINT>(NM_DBLCLK)};
        SendMessageA(picker, WM_NOTIFY, IDC_PICK_FOLDERS, reinterpret_cast<LPARAM>(&click));
        for (int i = 0; i < ListView_GetItemCount(folderList); ++i) {
            char text[260] = {};
            ListView_GetItemText(folderList, i, 0, text, sizeof text);
            folders.push_back(text);
        }
        HWND fileList = GetDlgItem(picker, IDC_PICK_FILES);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(picker, IDC_PICK_OK)));
        ASSERT_EQ(ListView_GetItemCount(fileList), 1) << "files of Work";
        ListView_SetItemState(fileList, 0, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(picker, IDC_PICK_OK)));
        Click(picker, IDC_PICK_OK);
        page = GetDlgItem(frame, IDC_CONFIGURE_PAGE);
        EXPECT_EQ(Field(page, IDC_PERPETUAL3), lib + "\\Work\\w.txt");
        Type(page, IDC_PERPETUAL2, "");  // an empty field keeps the old note, as stored
        Click(frame, IDOK);
    });
    EXPECT_EQ(folders, (std::vector<std::string>{"[ . . ]"}));
    pw::Settings().Reload();
    EXPECT_EQ(pw::Settings().GetString("PerpetualNote1", ""), first);
    EXPECT_EQ(pw::Settings().GetString("PerpetualNote2", ""), second);
    EXPECT_EQ(pw::Settings().GetString("PerpetualNote3", ""), first);
}

TEST_F(ConfigureTest, OkReloadsTheSettingsAndTheToolsMenuFollowsTheOwnFilesBox)
{
    StartWith("FwHideFiles=1\r\n");
    auto hasItem = [&] {
        return GetMenuState(GetMenu(hwnd), CMD_VIEW_PW_FILES, MF_BYCOMMAND) != static_cast<UINT>(-1);
    };
    EXPECT_FALSE(hasItem());
    Configure([&](HWND) {
        Mark(ShowPage(kGeneral), IDC_HIDE_OWN_FILES, false);
        Click(frame, IDOK);
    });
    EXPECT_EQ(pw::Settings().GetString("FwHideFiles", ""), "0");  // read again after OK
    EXPECT_TRUE(hasItem());
    Configure([&](HWND) {
        Mark(ShowPage(kGeneral), IDC_HIDE_OWN_FILES, true);
        Click(frame, IDOK);
    });
    EXPECT_FALSE(hasItem());
}

TEST_F(ConfigureTest, DeleteDropsTheSelectedRoot)
{
    StartWith("", InFolder("Second") + "=Second;.md\r\n");
    Configure([&](HWND) {
        HWND page = ShowPage(kRoots);
        ListView_SetItemState(GetDlgItem(page, IDC_ROOT_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
        Click(page, IDC_ROOT_DELETE);
        Click(frame, IDOK);
    });
    const std::string ini = ReadFile(IniPath());
    EXPECT_EQ(ini.find(lib + "=Notes"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[BasicRoots]\r\n" + InFolder("Second") + "=Second;.md\r\n"), std::string::npos) << ini;
}

}  // namespace
}  // namespace pwtest
