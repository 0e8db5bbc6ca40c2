// File and folder operations of the panes' context menus on the real main window: copy, cut and paste with
// info files and linked images, rename, delete, new folder, and the drag of a file onto a folder.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "library/win/file_drag.h"
#include "library/win/file_operations.h"
#include "library/win/file_pane.h"
#include "library/win/folder_pane.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "settings/win/handles.h"
#include "settings/win/messages.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pwtest {
namespace {

using Names = std::vector<std::string>;

class FileOperationsTest : public PagewickTest {
protected:
    // Notes\{n.md linking imgs\a.png and ..\out.png, n.md.fw, a.txt, a.txt.fw, imgs\a.png, Work\imgs\, Bare\},
    // and out.png beside Notes.
    void MakeLibrary(const std::string& general = "")
    {
        lib = InFolder("Notes");
        for (const char* folder : {"", "\\imgs", "\\Work", "\\Work\\imgs", "\\Bare"}) MakeFolder(lib + folder);
        WriteFile(lib + "\\n.md", "# N\r\n![ shot ](imgs/a.png)\r\n![x](../out.png)\r\n");
        WriteFile(lib + "\\n.md.fw", "[General]\r\nKeywords=k\r\n");
        WriteFile(lib + "\\a.txt", "a\r\n");
        WriteFile(lib + "\\a.txt.fw", "[General]\r\nKeywords=a\r\n");
        WriteFile(lib + "\\b.txt", "b\r\n");
        WriteFile(lib + "\\imgs\\a.png", "png");
        WriteFile(InFolder("out.png"), "outside");
        WriteIni("[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n" +
                 general + "[BasicRoots]\r\n" + lib + "=Notes;.md\r\n");
    }

    std::string In(const std::string& name) { return lib + "\\" + name; }

    Names Items(HWND list)
    {
        Names items;
        for (int i = 0; i < pw::list_view::Count(list); ++i) items.push_back(pw::list_view::Text(list, i));
        return items;
    }
    bool Lists(HWND list, const std::string& name)
    {
        const Names items = Items(list);
        return std::find(items.begin(), items.end(), name) != items.end();
    }
    HWND Files() { return pw::Main().panes.files; }
    HWND Folders() { return pw::Main().panes.folders; }

    bool Said(const std::string& text)
    {
        const auto& recent = pw::RecentStatusTexts();
        return std::find(recent.begin(), recent.end(), text) != recent.end();
    }

    // Types into the open label edit and ends it with Enter, or cancels it with Escape.
    void FinishEdit(HWND list, const std::string* text)
    {
        HWND edit = ListView_GetEditControl(list);
        ASSERT_NE(edit, nullptr) << "no label edit open in " << (list == Files() ? "files" : "folders");
        if (text) SetWindowTextA(edit, text->c_str());
        SendMessageA(edit, WM_KEYDOWN, text ? VK_RETURN : VK_ESCAPE, 0);
        Pump();
    }

    // A label edit ends when its box loses the focus: the window must be the active one while it is open.
    void StartNewFolder()
    {
        SetForegroundWindow(hwnd);
        Command(CMD_FOLDER_NEW);
    }

    void RenameFile(const std::string& from, const std::string* to)
    {
        SetForegroundWindow(hwnd);
        ASSERT_TRUE(pw::SelectFileByName(from)) << from;
        Command(CMD_FILE_RENAME);
        FinishEdit(Files(), to);
    }

    void RenameFolder(const std::string& from, const std::string& to)
    {
        const int index = pw::list_view::Find(Folders(), from);
        ASSERT_GE(index, 0) << from;
        SetForegroundWindow(hwnd);
        SetFocus(Folders());
        ListView_EditLabel(Folders(), index);
        FinishEdit(Folders(), &to);
    }

    void ActivateFolder(const std::string& name)
    {
        const int index = pw::list_view::Find(Folders(), name);
        ASSERT_GE(index, 0) << name;
        pw::list_view::Select(Folders(), index);
        pw::OnFolderActivated();
        Pump();
    }

    std::string lib;
};

struct MenuItem {
    UINT id;
    std::string text;
    bool enabled;
};

std::vector<MenuItem> ItemsOf(HMENU menu)
{
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        const UINT id = (state & MF_POPUP) ? 0xffff : GetMenuItemID(menu, i);
        const bool separator = (state & MF_SEPARATOR) != 0;
        items.push_back({separator ? 0 : id, text, separator || !(state & (MF_GRAYED | MF_DISABLED))});
    }
    return items;
}

void ExpectMenu(HMENU menu, const std::vector<MenuItem>& expected, const char* when)
{
    const std::vector<MenuItem> items = ItemsOf(menu);
    ASSERT_EQ(items.size(), expected.size()) << when;
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].id, expected[i].id) << when << " " << i;
        EXPECT_EQ(items[i].text, expected[i].text) << when << " " << i;
        EXPECT_EQ(items[i].enabled, expected[i].enabled) << when << " " << i;
    }
}

std::vector<MenuItem> FileMenu(bool pending, const std::string& send, bool external)
{
    return {{CMD_FILE_REFRESH, "   Refresh", true},
            {0, "", true},
            {CMD_FILE_COPY, "   Copy      ", true},
            {CMD_FILE_CUT, "   Cut", true},
            {CMD_FILE_PASTE, "   Paste", pending},
            {CMD_FILE_PASTE_IMAGE, "   Paste Image  ", false},
            {0, "", true},
            {CMD_FILE_DELETE, "   Delete", true},
            {CMD_FILE_RENAME, "   Rename", true},
            {0, "", true},
            {0xffff, "   Filter view", true},
            {0xffff, "   Sort", true},
            {0, "", true},
            {CMD_FILE_OPEN_AS_TEXT, "   Open as text  ", true},
            {CMD_FILE_LAUNCH, "   Launch", true},
            {CMD_FILE_SEND_EXTERNAL, send, external},
            {0, "", true},
            {CMD_FILE_KEYWORDS, "   Keywords  ", true},
            {CMD_FILE_PROPERTIES, "   Properties  ", true}};
}

TEST_F(FileOperationsTest, ContextMenusShowTheirTextsAndWhatIsEnabled)
{
    MakeLibrary();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(OpenClipboard(hwnd));
    EmptyClipboard();
    CloseClipboard();
    {
        pw::MenuHandle menu(pw::BuildFileContextMenu());
        ExpectMenu(menu.get(), FileMenu(false, "   Send to external program", false), "nothing pending");
    }
    ASSERT_TRUE(pw::SelectFileByName("a.txt"));
    Command(CMD_FILE_COPY);
    {
        pw::MenuHandle menu(pw::BuildFileContextMenu());
        ExpectMenu(menu.get(), FileMenu(true, "   Send to external program", false), "a copy pending");
    }
    Stop();
    MakeLibrary("ExternalProgramExe=C:\\x.exe\r\nExternalProgramAlias=Viewer\r\n");
    ASSERT_TRUE(Start());
    {
        pw::MenuHandle menu(pw::BuildFileContextMenu());
        ExpectMenu(menu.get(), FileMenu(false, "   Send to Viewer", true), "an external program");
    }
    pw::MenuHandle folders(pw::BuildFolderContextMenu());
    ExpectMenu(folders.get(),
               {{CMD_FOLDER_NEW, "   New   ", true},
                {0, "", true},
                {CMD_FOLDER_EXPLORER, " Open in Explorer  ", true},
                {0, "", true},
                {CMD_FOLDER_PROPERTIES, "  Properties  ", true}},
               "folders");
}

TEST_F(FileOperationsTest, CopyAndPasteCarryTheInfoFileAndTheImagesInside)
{
    MakeLibrary();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(pw::SelectFileByName("n.md"));
    Command(CMD_FILE_COPY);
    SelectFolder("Work");
    Command(CMD_FILE_PASTE);
    EXPECT_TRUE(Said("copy operation for n.md succeeded"));
    EXPECT_EQ(ReadFile(In("Work\\n.md")), ReadFile(In("n.md")));
    EXPECT_EQ(ReadFile(In("Work\\n.md.fw")), "[General]\r\nKeywords=k\r\n");
    EXPECT_EQ(ReadFile(In("Work\\imgs\\a.png")), "png");
    EXPECT_TRUE(Exists(In("n.md")) && Exists(In("n.md.fw")) && Exists(In("imgs\\a.png"))) << "a copy keeps the source";
    EXPECT_FALSE(Exists(In("out.png"))) << "a link out of the note's folder is not followed";
    EXPECT_EQ(ReadFile(InFolder("out.png")), "outside");
    EXPECT_EQ(pw::list_view::Text(Files(), 0), "n.md") << "the pasted file leads the pane";

    // Nothing is pending after a paste; a second paste does nothing.
    EXPECT_TRUE(pw::LibraryArea().clipboard.operation.empty());
    WriteFile(In("Work\\n.md"), "changed");
    Command(CMD_FILE_PASTE);
    EXPECT_EQ(ReadFile(In("Work\\n.md")), "changed");

    // Pasting where the file exists (here: where it came from) overwrites nothing and clears what was pending.
    ASSERT_TRUE(pw::SelectFileByName("n.md"));
    Command(CMD_FILE_COPY);
    Command(CMD_FILE_PASTE);
    EXPECT_EQ(pw::LastStatusText(), "File exists");
    EXPECT_EQ(ReadFile(In("Work\\n.md")), "changed");
    EXPECT_TRUE(pw::LibraryArea().clipboard.operation.empty());
}

TEST_F(FileOperationsTest, CutAndPasteMoveTheNoteWithItsInfoFileAndImages)
{
    MakeLibrary();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(pw::SelectFileByName("n.md"));
    Command(CMD_FILE_CUT);
    const int index = pw::FindFileItem("n.md", 0, false);
    EXPECT_EQ(ListView_GetItemState(Files(), index, LVIS_CUT), static_cast<UINT>(LVIS_CUT));
    EXPECT_EQ(ListView_GetItemState(Files(), pw::FindFileItem("a.txt", 0, false), LVIS_CUT), 0u);
    SelectFolder("Work");
    Command(CMD_FILE_PASTE);
    EXPECT_TRUE(Said("move operation for n.md succeeded"));
    EXPECT_TRUE(Exists(In("Work\\n.md")) && Exists(In("Work\\n.md.fw")) && Exists(In("Work\\imgs\\a.png")));
    EXPECT_FALSE(Exists(In("n.md")) || Exists(In("n.md.fw")) || Exists(In("imgs\\a.png")));
    EXPECT_EQ(ReadFile(InFolder("out.png")), "outside");

    // Where the destination has no imgs folder, the note moves and its image stays.
    ASSERT_TRUE(pw::SelectFileByName("n.md"));
    Command(CMD_FILE_CUT);
    SelectFolder("Bare");
    Command(CMD_FILE_PASTE);
    EXPECT_TRUE(Exists(In("Bare\\n.md")) && Exists(In("Bare\\n.md.fw")));
    EXPECT_TRUE(Exists(In("Work\\imgs\\a.png")));
    EXPECT_FALSE(Exists(In("Bare\\imgs")));
}

TEST_F(FileOperationsTest, ImagesStayWhenImageLinksWithFilesIsOff)
{
    MakeLibrary();
    WriteFile(In("pagewick.fw"), "[General]\r\nImageLinksWithFiles=yes\r\n");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(pw::SelectFileByName("n.md"));
    Command(CMD_FILE_COPY);
    SelectFolder("Work");
    Command(CMD_FILE_PASTE);
    EXPECT_TRUE(Exists(In("Work\\n.md")));
    EXPECT_FALSE(Exists(In("Work\\imgs\\a.png"))) << "only exactly \"1\" takes the images along";
}

TEST_F(FileOperationsTest, RenameKeepsTheTypedNameAndCarriesTheInfoFile)
{
    MakeLibrary();
    ASSERT_TRUE(Start());
    const std::string z = "z";  // no extension is added
    RenameFile("a.txt", &z);
    EXPECT_TRUE(Said("a.txt renamed z"));
    EXPECT_EQ(ReadFile(In("z")), "a\r\n");
    EXPECT_EQ(ReadFile(In("z.fw")), "[General]\r\nKeywords=a\r\n");
    EXPECT_FALSE(Exists(In("a.txt")) || Exists(In("a.txt.fw")));
    EXPECT_EQ(SelectedIn(Files()), "z");
    EXPECT_FALSE(Lists(Files(), "a.txt"));

    // An existing target makes the rename fail: both files stay as they were.
    const std::string taken = "b.txt";
    RenameFile("z", &taken);
    EXPECT_EQ(pw::LastStatusText(), "Error renaming z");
    EXPECT_EQ(ReadFile(In("z")), "a\r\n");
    EXPECT_EQ(ReadFile(In("b.txt")), "b\r\n");
    EXPECT_TRUE(Lists(Files(), "z") && Lists(Files(), "b.txt"));

    // A cancelled edit renames nothing.
    RenameFile("z", nullptr);
    EXPECT_EQ(pw::LastStatusText(), "Error getting new name");
    EXPECT_TRUE(Exists(In("z")));
}

TEST_F(FileOperationsTest, RenamingTheOpenNoteOpensItAgainUnderTheNewName)
{
    MakeLibrary();
    ASSERT_TRUE(Start());
    ClickFile("b.txt");
    ASSERT_EQ(pw::CurrentPlace().file, "b.txt");
    const std::string c = "c.txt";
    RenameFile("b.txt", &c);
    EXPECT_TRUE(Exists(In("c.txt")));
    EXPECT_EQ(pw::CurrentPlace().file, "c.txt");

    // Renaming another file leaves the open one open and selected.
    const std::string d = "d.txt";
    RenameFile("a.txt", &d);
    EXPECT_TRUE(Exists(In("d.txt")));
    EXPECT_EQ(pw::CurrentPlace().file, "c.txt");
    EXPECT_EQ(SelectedIn(Files()), "c.txt");
}

TEST_F(FileOperationsTest, DeleteAsksAndTakesTheInfoFileAlong)
{
    MakeLibrary();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(pw::SelectFileByName("a.txt"));
    boxAnswer = IDNO;
    Command(CMD_FILE_DELETE);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, In("a.txt"));
    EXPECT_EQ(boxes[0].caption, "Delete");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
    EXPECT_TRUE(Exists(In("a.txt")) && Exists(In("a.txt.fw")));

    boxAnswer = IDYES;
    ASSERT_TRUE(pw::SelectFileByName("a.txt"));
    Command(CMD_FILE_DELETE);
    EXPECT_FALSE(Exists(In("a.txt")) || Exists(In("a.txt.fw")));
    EXPECT_FALSE(Lists(Files(), "a.txt"));
    EXPECT_TRUE(Lists(Files(), "b.txt"));
}

TEST_F(FileOperationsTest, NewFolderAndFolderRenames)
{
    MakeLibrary();
    ASSERT_TRUE(Start());
    StartNewFolder();
    ASSERT_EQ(pw::list_view::Text(Folders(), 0), "New Folder");
    const std::string fresh = "Fresh";
    FinishEdit(Folders(), &fresh);
    EXPECT_EQ(pw::LastStatusText(), "Created Fresh");
    EXPECT_TRUE(Exists(In("Fresh")));
    EXPECT_EQ(pw::list_view::Text(Folders(), 0), "Fresh");

    // Confirming the placeholder as it is makes a folder named New Folder; a second one is not a rename of it.
    StartNewFolder();
    const std::string placeholder = "New Folder";
    FinishEdit(Folders(), &placeholder);
    EXPECT_EQ(pw::LastStatusText(), "Created New Folder");
    EXPECT_TRUE(Exists(In("New Folder")));
    StartNewFolder();
    const std::string other = "Other";
    FinishEdit(Folders(), &other);
    EXPECT_TRUE(Exists(In("New Folder")) && Exists(In("Other")));

    // A cancelled edit makes nothing.
    StartNewFolder();
    FinishEdit(Folders(), nullptr);
    EXPECT_TRUE(Exists(In("Other")) && !Exists(In("null")));

    RenameFolder("Work", "Bare");
    EXPECT_EQ(pw::LastStatusText(), "Directory Bare already exists");
    EXPECT_TRUE(Lists(Folders(), "Work"));
    EXPECT_TRUE(Exists(In("Work\\imgs")));

    RenameFolder("Work", "Job");
    EXPECT_EQ(pw::LastStatusText(), "Directory renamed to Job");
    EXPECT_TRUE(Exists(In("Job\\imgs")) && !Exists(In("Work")));
    EXPECT_TRUE(Lists(Folders(), "Job") && !Lists(Folders(), "Work"));
}

TEST_F(FileOperationsTest, DraggingOntoTheParentEntryMovesTheFileOneLevelUp)
{
    MakeLibrary();
    WriteFile(In("Work\\w.txt"), "w\r\n");
    WriteFile(In("Work\\w.txt.fw"), "[General]\r\nKeywords=w\r\n");
    ASSERT_TRUE(Start());
    ActivateFolder("Work");
    const int parent = pw::list_view::Find(Folders(), "[ . . ]");
    ASSERT_GE(parent, 0);
    RECT item;
    ASSERT_TRUE(ListView_GetItemRect(Folders(), parent, &item, LVIR_LABEL));
    POINT point{item.left + 2, (item.top + item.bottom) / 2};
    MapWindowPoints(Folders(), hwnd, &point, 1);

    ASSERT_TRUE(pw::SelectFileByName("w.txt"));
    pw::BeginFileDrag();
    ASSERT_TRUE(pw::FileDragActive());
    pw::FileDragMove(point);
    pw::FileDragDrop(point);
    Pump();
    EXPECT_EQ(pw::LastStatusText(), "Moving w.txt succeeded");
    EXPECT_EQ(ReadFile(In("w.txt")), "w\r\n");
    EXPECT_EQ(ReadFile(In("w.txt.fw")), "[General]\r\nKeywords=w\r\n");
    EXPECT_FALSE(Exists(In("Work\\w.txt")) || Exists(In("Work\\w.txt.fw")));
    EXPECT_FALSE(Lists(Files(), "w.txt"));

    // Onto a folder that holds the name already: nothing moves.
    WriteFile(In("Work\\a.txt"), "work a\r\n");
    pw::ListFiles(false);
    ASSERT_TRUE(pw::SelectFileByName("a.txt"));
    pw::BeginFileDrag();
    pw::FileDragDrop(point);
    Pump();
    EXPECT_EQ(pw::LastStatusText(), "File exists");
    EXPECT_EQ(ReadFile(In("Work\\a.txt")), "work a\r\n");
    EXPECT_EQ(ReadFile(In("a.txt")), "a\r\n");
}

}  // namespace
}  // namespace pwtest

namespace pwtest {
namespace {

class PasteImageTest : public FileOperationsTest {
protected:
    // A 5x3 picture of the screen's depth on the clipboard, as a screenshot puts it there.
    void PutPictureOnClipboard()
    {
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 5, 3);
        ReleaseDC(nullptr, screen);
        ASSERT_NE(bitmap, nullptr);
        ASSERT_TRUE(OpenClipboard(hwnd));
        EmptyClipboard();
        SetClipboardData(CF_BITMAP, bitmap);  // the clipboard owns it now
        CloseClipboard();
    }
};

TEST_F(PasteImageTest, PasteImageSavesTheNextFreePngInTheFolder)
{
    MakeLibrary();
    ASSERT_TRUE(Start());
    PutPictureOnClipboard();
    Command(CMD_FILE_PASTE_IMAGE);
    EXPECT_EQ(ReadFile(In("Image_000.png")).substr(0, 4), "\x89PNG");
    EXPECT_FALSE(Exists(In("Image_000.bmp"))) << "the BMP goes once the PNG is written";
    EXPECT_EQ(SelectedIn(Files()), "Image_000.png");
    EXPECT_EQ(pw::CurrentPlace().file, "Image_000.png");

    // A present PNG takes its counter although the BMP name is free.
    Command(CMD_FILE_PASTE_IMAGE);
    EXPECT_TRUE(Exists(In("Image_001.png")));
    EXPECT_EQ(SelectedIn(Files()), "Image_001.png");
}

TEST_F(PasteImageTest, PasteImageKeepsTheBmpWhenPngSavingIsOff)
{
    MakeLibrary("ImageSaveAsPng=0\r\n");
    WriteFile(In("Image_000.png"), "not ours");
    ASSERT_TRUE(Start());
    PutPictureOnClipboard();
    Command(CMD_FILE_PASTE_IMAGE);
    const std::string bmp = ReadFile(In("Image_000.bmp"));
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(bmp.substr(14, 4), std::string("\x28\0\0\0", 4));
    EXPECT_EQ(ReadFile(In("Image_000.png")), "not ours");
    EXPECT_EQ(SelectedIn(Files()), "Image_000.bmp");

    // Without a picture on the clipboard nothing happens.
    ASSERT_TRUE(OpenClipboard(hwnd));
    EmptyClipboard();
    CloseClipboard();
    Command(CMD_FILE_PASTE_IMAGE);
    EXPECT_FALSE(Exists(In("Image_001.bmp")));
}

}  // namespace
}  // namespace pwtest
