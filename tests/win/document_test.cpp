// Note documents on the real main window: loading, saving, naming, autosaving, info files, and the rules that
// keep a note's text safe (failed writes, changes by other programs, NUL bytes, deleted files).
#include <windows.h>

#include <string>

#include "gui_harness.h"
#include "library/roots.h"
#include "library/win/library_state.h"
#include "notes/win/document.h"
#include "notes/win/file_info.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"
#include "library/win/folder_watch.h"
#include "shell/ids.h"
#include "shell/win/main_window.h"

namespace pwtest {
namespace {

class DocumentTest : public PagewickTest {
protected:
    void TearDown() override
    {
        for (const std::string& path : readOnly_) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        PagewickTest::TearDown();
    }

    // Starts the window with a root "Notes" over a folder of the test's own, whose new notes get ".md".
    void StartWithRoot(const std::string& ini = "")
    {
        WriteIni("[General]\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\nRootAutoAddCDrive=0\r\n" + ini);
        ASSERT_TRUE(Start());
        notes_ = InFolder("notes\\");
        MakeFolder(notes_);
        const std::string root = notes_.substr(0, notes_.size() - 1);
        const int index = pw::AddRoot(pw::Roots(), root, root, "Notes", ".md", ".txt");
        ASSERT_GE(index, 0);
        pw::Roots().current = index;
    }

    std::string Note(const std::string& name) const { return notes_ + name; }

    bool Open(const std::string& name, const std::string& bytes)
    {
        WriteFile(Note(name), bytes);
        pw::CurrentPlace().file = name;
        return pw::LoadDocument(false);
    }

    std::string EditorText() const { return TextOf(pw::ActiveEditor()); }
    std::string Title() const { return TextOf(hwnd); }

    void MakeReadOnly(const std::string& path)
    {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        readOnly_.push_back(path);
    }

    // Gives the file a write time ten seconds later than it has, as a slow writer would.
    static void TouchLater(const std::string& path)
    {
        HANDLE file =
            CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        FILETIME time{};
        GetFileTime(file, nullptr, nullptr, &time);
        ULARGE_INTEGER value{{time.dwLowDateTime, time.dwHighDateTime}};
        value.QuadPart += 100000000ull;
        time = {value.LowPart, value.HighPart};
        SetFileTime(file, nullptr, nullptr, &time);
        CloseHandle(file);
    }

    std::string notes_;
    std::vector<std::string> readOnly_;
};

TEST_F(DocumentTest, LoadAppliesTheByteOrderMarkAndLineEndRules)
{
    StartWithRoot("CheckForBOM=1\r\nFormatNewLines=1\r\n");
    struct Case {
        const char* bom;
        const char* newLines;
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"1", "1", "\xEF\xBB\xBFone\ntwo\r\nthree", "one\r\ntwo\r\nthree"},
        {"0", "1", "\xEF\xBB\xBFone\ntwo", "\xEF\xBB\xBFone\r\ntwo"},
        {"1", "0", "\xEF\xBB\xBFone\ntwo", "one\ntwo"},
        {"1", "1", "\nstarts with a line feed", "\r\nstarts with a line feed"},
    };
    for (const Case& c : cases) {
        pw::Settings().SetGeneral("CheckForBOM", c.bom);
        pw::Settings().SetGeneral("FormatNewLines", c.newLines);
        ASSERT_TRUE(Open("a.txt", c.bytes)) << c.shown;
        EXPECT_EQ(EditorText(), c.shown);
        EXPECT_FALSE(pw::NoteModified()) << "loading is no edit";
        EXPECT_TRUE(IsWindowEnabled(pw::ActiveEditor()));
        EXPECT_EQ(Title(), "a.txt");
    }
}

TEST_F(DocumentTest, SaveWritesTheEditorTextExactlyWithoutAByteOrderMark)
{
    StartWithRoot();
    ASSERT_TRUE(Open("a.txt", "\xEF\xBB\xBFone\ntwo"));
    TypeAtEndOfNote("!");
    EXPECT_EQ(Title(), "a.txt*");
    ASSERT_TRUE(pw::SaveDocument());
    EXPECT_EQ(ReadFile(Note("a.txt")), "one\r\ntwo!");
    EXPECT_EQ(pw::LastStatusText(), "Note saved");
    EXPECT_FALSE(pw::NoteModified());
    EXPECT_EQ(Title(), "a.txt");
    EXPECT_EQ(pw::DocumentText(), "one\r\ntwo!");
}

TEST_F(DocumentTest, SaveInPlaceWritesWithoutAMessage)
{
    StartWithRoot();
    ASSERT_TRUE(Open("a.txt", "one"));
    TypeAtEndOfNote(" two");
    pw::StatusText("");
    ASSERT_TRUE(pw::SaveInPlace());
    EXPECT_EQ(ReadFile(Note("a.txt")), "one two");
    EXPECT_EQ(pw::DocumentText(), "one two");
    EXPECT_EQ(pw::LastStatusText(), "");
    EXPECT_FALSE(pw::NoteModified());
}

TEST_F(DocumentTest, AMissingFileIsReportedAndLeavesTheEditorDisabled)
{
    StartWithRoot();
    pw::CurrentPlace().file = "gone.txt";
    EXPECT_FALSE(pw::LoadDocument(false));
    EXPECT_EQ(pw::LastStatusText(), "File does not exist: " + Note("gone.txt"));
    EXPECT_FALSE(IsWindowEnabled(pw::ActiveEditor()));
}

TEST_F(DocumentTest, AnUnsavedNoteIsNamedFromTheMultibar)
{
    StartWithRoot();
    WriteFile(Note("taken.md"), "keep");
    struct Case {
        const char* typed;
        const char* file;  // nullptr: nothing written
        const char* status;
    } cases[] = {
        {"my note", "my note.md", "Note saved"}, {"a%20b:c", "a b_c.md", "Note saved"},
        {"notes.fw", "notes.fw", "Note saved"},  {"", nullptr, "Please choose a note name"},
        {"taken", nullptr, "File exists"},
    };
    HWND editor = pw::ActiveEditor();
    for (const Case& c : cases) {
        pw::CurrentPlace().file = "$NEW$UNSAVED$";
        EnableWindow(editor, TRUE);
        SetWindowTextA(editor, "hello");
        pw::SetModified(true);
        SetWindowTextA(pw::Main().panes.multibar, c.typed);
        EXPECT_EQ(pw::SaveDocument(), c.file != nullptr) << c.typed;
        EXPECT_EQ(pw::LastStatusText(), c.status) << c.typed;
        if (c.file) {
            EXPECT_EQ(ReadFile(Note(c.file)), "hello") << c.typed;
            EXPECT_EQ(pw::CurrentPlace().file, c.file);
            EXPECT_EQ(TextOf(pw::Main().panes.multibar), "");
            EXPECT_FALSE(pw::NoteModified());
        } else {
            EXPECT_EQ(pw::CurrentPlace().file, "$NEW$UNSAVED$") << c.typed;
            EXPECT_TRUE(pw::NoteModified()) << c.typed;
        }
    }
    EXPECT_EQ(ReadFile(Note("taken.md")), "keep");
}

TEST_F(DocumentTest, TheTitleShowsTheModifiedMarkUntilTheNoteIsClosed)
{
    StartWithRoot();
    ASSERT_TRUE(Open("a.txt", "one"));
    TypeAtEndOfNote("x");
    EXPECT_EQ(Title(), "a.txt*");
    pw::SetModified(false);
    EXPECT_EQ(Title(), "a.txt");
    TypeAtEndOfNote("y");
    pw::CloseDocument();
    EXPECT_EQ(Title(), "Pagewick");
    EXPECT_EQ(ReadFile(Note("a.txt")), "onexy") << "closing saves a modified note first";
    EXPECT_FALSE(IsWindowEnabled(pw::ActiveEditor()));
    EXPECT_EQ(pw::CurrentPlace().file, "");
}

TEST_F(DocumentTest, AutosaveCountsMinutesUpToTheSetting)
{
    for (int minutes : {1, 5}) {
        StartWithRoot("AutoSave=" + std::to_string(minutes) + "\r\n");
        ASSERT_TRUE(Open("a.txt", "one"));
        TypeAtEndOfNote(" two");
        for (int tick = 1; tick < minutes; ++tick) pw::AutosaveTick();
        EXPECT_EQ(ReadFile(Note("a.txt")), "one") << minutes;
        EXPECT_EQ(pw::AutosaveCount(), minutes - 1);
        pw::AutosaveTick();
        EXPECT_EQ(ReadFile(Note("a.txt")), "one two") << minutes;
        EXPECT_EQ(pw::LastStatusText(), "Note autosaved");
        EXPECT_EQ(pw::AutosaveCount(), 0);

        // Nothing changed since: a whole count passes without a write or a word.
        pw::StatusText("");
        for (int tick = 0; tick < minutes; ++tick) pw::AutosaveTick();
        EXPECT_EQ(pw::LastStatusText(), "") << minutes;
        EXPECT_EQ(pw::AutosaveCount(), 0);
        Stop();
    }
}

TEST_F(DocumentTest, InfoFilesLiveBesideTheFileOrInTheFileInfoFolder)
{
    StartWithRoot();
    const std::string file = Note("x.txt");
    WriteFile(file, "x");
    EXPECT_EQ(pw::InfoFileFor(file), file + ".fw");
    EXPECT_FALSE(Exists(file + ".fw")) << "beside the file nothing is written";
    Stop();

    // With FwFileWithOriginal off, x.txt under <drive>\...\notes gets <folder>_notes_x.txt.fw in file_info.
    StartWithRoot("FwFileWithOriginal=0\r\n");
    std::string flat = file.substr(3);
    for (char& c : flat) {
        if (c == '\\') c = '_';
    }
    const std::string expected = InFolder("file_info\\") + flat + ".fw";
    EXPECT_EQ(pw::InfoFileFor(file), expected);
    EXPECT_NE(ReadFile(expected).find("FileName=" + file), std::string::npos) << ReadFile(expected);
    Stop();

    // FileInfoDir passes through the path variables: %AppSrcDrv% is the program's drive.
    StartWithRoot("FwFileWithOriginal=0\r\nFileInfoDir=%AppSrcDrv%" + Folder().substr(2) + "info\r\n");
    EXPECT_EQ(pw::FileInfoFolder(), InFolder("info"));
    EXPECT_TRUE(Exists(InFolder("info"))) << "start-up creates the folder";
    EXPECT_EQ(pw::InfoFileFor(file), InFolder("info\\") + flat + ".fw");
}

TEST_F(DocumentTest, AnEmptiedNoteIsSavedAsAnEmptyFile)
{
    StartWithRoot();
    ASSERT_TRUE(Open("a.txt", "old text"));
    SetWindowTextA(pw::ActiveEditor(), "");
    pw::OnEditorChanged();
    ASSERT_TRUE(pw::SaveDocument());
    EXPECT_EQ(ReadFile(Note("a.txt")), "");
    EXPECT_TRUE(Exists(Note("a.txt")));
}

TEST_F(DocumentTest, AFailedWriteIsReportedAndTheNoteStaysModified)
{
    StartWithRoot("AutoSave=1\r\n");
    ASSERT_TRUE(Open("a.txt", "old"));
    MakeReadOnly(Note("a.txt"));
    TypeAtEndOfNote(" new");
    EXPECT_FALSE(pw::SaveDocument());
    EXPECT_EQ(pw::LastStatusText().rfind("Note not saved: ", 0), 0u) << pw::LastStatusText();
    EXPECT_GT(pw::LastStatusText().size(), std::string("Note not saved: ").size());
    EXPECT_TRUE(pw::NoteModified());
    EXPECT_EQ(Title(), "a.txt*");
    EXPECT_EQ(ReadFile(Note("a.txt")), "old");

    pw::AutosaveTick();
    EXPECT_EQ(pw::LastStatusText().rfind("Note not autosaved: ", 0), 0u) << pw::LastStatusText();
    EXPECT_TRUE(pw::NoteModified());

    // Closing cannot write the note either: its text goes beside it under a free name.
    pw::CloseDocument();
    EXPECT_EQ(ReadFile(Note("a_001.txt")), "old new");
    EXPECT_EQ(pw::LastStatusText(), "Note not saved: your text is kept in a_001.txt");
    EXPECT_EQ(ReadFile(Note("a.txt")), "old");
}

TEST_F(DocumentTest, AChangeByAnotherProgramIsReloadedWhenThereAreNoEdits)
{
    StartWithRoot();
    struct Case {
        std::string theirs;
        bool touchLater;  // same size: only the write time and the content tell
        bool reloaded;
    } cases[] = {
        {"a longer text", false, true}, {"ONE", true, true}, {"one", true, false},  // touched, not changed
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Open("a.txt", "one"));
        WriteFile(Note("a.txt"), c.theirs);
        if (c.touchLater) TouchLater(Note("a.txt"));
        pw::StatusText("");
        pw::CheckExternalChange();
        EXPECT_EQ(EditorText(), c.theirs);
        EXPECT_FALSE(pw::NoteModified());
        EXPECT_EQ(pw::LastStatusText(), c.reloaded ? "Reloaded a.txt: it was changed by another program" : "");
        pw::StatusText("");
        pw::CheckExternalChange();
        EXPECT_EQ(pw::LastStatusText(), "") << "the new content is the new baseline";
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DocumentTest, AChangeByAnotherProgramWithEditsKeepsBothTexts)
{
    StartWithRoot();
    struct Case {
        int answer;
        bool viaSave;
        const char* note;  // what a.txt and the editor hold afterwards
        const char* copy;  // what a_001.txt holds
    } cases[] = {
        {IDYES, false, "one mine", "theirs!"},
        {IDYES, true, "one mine", "theirs!"},
        {IDNO, false, "theirs!", "one mine"},
        {IDCANCEL, true, "theirs!", "one mine"},
    };
    for (const Case& c : cases) {
        DeleteFileA(Note("a_001.txt").c_str());
        ASSERT_TRUE(Open("a.txt", "one"));
        TypeAtEndOfNote(" mine");
        WriteFile(Note("a.txt"), "theirs!");
        boxes.clear();
        boxAnswer = c.answer;
        if (c.viaSave) {
            pw::SaveDocument();
        } else {
            pw::CheckExternalChange();
        }
        ASSERT_EQ(boxes.size(), 1u) << c.answer;
        EXPECT_EQ(boxes[0].caption, "Pagewick");
        EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING));
        EXPECT_NE(boxes[0].text.find("a.txt"), std::string::npos);
        EXPECT_EQ(ReadFile(Note("a.txt")), c.note) << c.answer;
        EXPECT_EQ(ReadFile(Note("a_001.txt")), c.copy) << c.answer;
        EXPECT_EQ(EditorText(), c.note) << c.answer;
        EXPECT_FALSE(pw::NoteModified()) << c.answer;
        EXPECT_NE(pw::LastStatusText().find("a_001.txt"), std::string::npos) << pw::LastStatusText();
        pw::CheckExternalChange();
        EXPECT_EQ(boxes.size(), 1u) << "settled: no second question";
    }
}

TEST_F(DocumentTest, FilesTheEditorCannotHoldOpenReadOnly)
{
    StartWithRoot();
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"zero.txt", std::string("ab\0cd", 5),
         "zero.txt holds NUL bytes: opened read-only so saving cannot cut it short"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Open(c.name, c.bytes));
        EXPECT_TRUE(pw::DocumentReadOnly()) << c.name;
        EXPECT_TRUE(GetWindowLongA(pw::ActiveEditor(), GWL_STYLE) & ES_READONLY) << c.name;
        EXPECT_EQ(pw::LastStatusText(), c.message);
        pw::SetModified(true);
        EXPECT_FALSE(pw::SaveDocument()) << c.name;
        EXPECT_EQ(pw::LastStatusText(), std::string(c.name) + " is open read-only: nothing was written");
        EXPECT_EQ(ReadFile(Note(c.name)), c.bytes) << c.name;
    }
    ASSERT_TRUE(Open("plain.txt", "plain"));
    EXPECT_FALSE(pw::DocumentReadOnly());
    EXPECT_FALSE(GetWindowLongA(pw::ActiveEditor(), GWL_STYLE) & ES_READONLY);
}

TEST_F(DocumentTest, AFileDeletedByAnotherProgramIsWrittenAgainByTheNextSave)
{
    StartWithRoot();
    ASSERT_TRUE(Open("a.txt", "one"));
    TypeAtEndOfNote(" two");
    ASSERT_TRUE(DeleteFileA(Note("a.txt").c_str()));
    pw::CheckExternalChange();
    EXPECT_EQ(pw::LastStatusText(),
              "a.txt was deleted by another program: your text stays open and the next save writes it again");
    EXPECT_EQ(EditorText(), "one two");
    EXPECT_TRUE(pw::NoteModified());
    pw::StatusText("");
    pw::CheckExternalChange();
    EXPECT_EQ(pw::LastStatusText(), "") << "said once";
    ASSERT_TRUE(pw::SaveDocument());
    EXPECT_EQ(ReadFile(Note("a.txt")), "one two");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DocumentTest, ANoteLongerThanTheTypingLimitOpensWholeAndEditable)
{
    StartWithRoot();
    std::string text;
    while (text.size() < 100000) text += "a short line of the long note\r\n";
    ASSERT_TRUE(Open("long.txt", text));
    EXPECT_FALSE(pw::DocumentReadOnly());
    EXPECT_FALSE(GetWindowLongA(pw::ActiveEditor(), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(GetWindowTextLengthA(pw::ActiveEditor()), static_cast<int>(text.size()));

    HWND editor = pw::ActiveEditor();
    SendMessageA(editor, EM_SETSEL, 0, 7);
    SendMessageA(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("A SHORT"));
    const int end = GetWindowTextLengthA(editor);
    SendMessageA(editor, EM_SETSEL, end, end);
    SendMessageA(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("end"));
    Pump();
    pw::OnEditorChanged();
    ASSERT_TRUE(pw::SaveDocument());
    EXPECT_EQ(ReadFile(Note("long.txt")), "A SHORT" + text.substr(7) + "end");
}

TEST_F(DocumentTest, SaveOnAnUnmodifiedNoteWritesNothing)
{
    StartWithRoot();
    ASSERT_TRUE(Open("a.txt", "one"));
    // An old write time: any write would show as a new one.
    HANDLE file = CreateFileA(Note("a.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME old{0x12345678, 0x01c00000};
    SetFileTime(file, nullptr, nullptr, &old);
    CloseHandle(file);
    for (int command : {CMD_SAVE_KEY, CMD_MENU_SAVE}) {
        pw::StatusText("");
        Command(command);
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ASSERT_TRUE(GetFileAttributesExA(Note("a.txt").c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ(data.ftLastWriteTime.dwLowDateTime, old.dwLowDateTime) << command;
        EXPECT_EQ(data.ftLastWriteTime.dwHighDateTime, old.dwHighDateTime) << command;
        EXPECT_EQ(pw::LastStatusText(), "") << command;
    }
    TypeAtEndOfNote(" two");
    Command(CMD_SAVE_KEY);
    EXPECT_EQ(ReadFile(Note("a.txt")), "one two");
    EXPECT_EQ(pw::LastStatusText(), "Note saved");
}

TEST_F(DocumentTest, TheChangeQuestionIsAskedOnceAtATime)
{
    StartWithRoot("AutoSave=1\r\n");
    ASSERT_TRUE(Open("a.txt", "one"));
    TypeAtEndOfNote(" mine");
    WriteFile(Note("a.txt"), "theirs!");
    int asked = 0;
    // While the box is open, the timers keep ticking in its message loop.
    pw::SetMessageBoxHook([&](HWND, const std::string&, const std::string&, UINT) {
        ++asked;
        pw::FolderWatchTick();
        pw::AutosaveTick();
        pw::CheckExternalChange();
        pw::SaveDocument();
        return IDNO;
    });
    pw::CheckExternalChange();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadFile(Note("a.txt")), "theirs!");
    EXPECT_EQ(ReadFile(Note("a_001.txt")), "one mine");
    EXPECT_FALSE(Exists(Note("a_002.txt"))) << "no second copy";
    EXPECT_EQ(EditorText(), "theirs!");
}

}  // namespace
}  // namespace pwtest
