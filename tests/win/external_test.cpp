// Handing files and text to other programs: "Send to" with its variables and questions, mail, shell verbs.
#include <windows.h>

#include <string>
#include <vector>

#include "gui_harness.h"
#include "launch/win/ask_text.h"
#include "launch/win/launch_state.h"
#include "notes/win/document.h"
#include "settings/win/dialog_runner.h"
#include "settings/win/messages.h"
#include "shell/ids.h"

namespace pwtest {
namespace {

std::string TestProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct Shelled {
    std::string verb;
    std::string target;
    bool operator==(const Shelled&) const = default;
};

class ExternalTest : public PagewickTest {
protected:
    void TearDown() override
    {
        pw::SetDialogScript(nullptr);
        PagewickTest::TearDown();
    }

    // Notes\My Notes.txt, and the recorder copied into a folder with a blank in its name.
    void StartWith(const std::string& args, const std::string& program = "", const std::string& general = "")
    {
        lib = InFolder("Notes");
        MakeFolder(lib);
        WriteFile(lib + "\\My Notes.txt", "a?b\r\nmore text\r\n");
        MakeFolder(InFolder("My Tools"));
        recorder = InFolder("My Tools\\recorder.exe");
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "pagewick_args_recorder.exe").c_str(), recorder.c_str(), FALSE));
        record = InFolder("My Tools\\recorded.txt");
        std::string ini =
            "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
            "ExternalProgramExe=" +
            (program.empty() ? recorder : program) + "\r\n";
        if (!args.empty()) ini += "ExternalProgramArgs=" + args + "\r\n";
        ini += general;
        WriteIni(ini + "[BasicRoots]\r\n" + lib + "=Notes;.txt\r\n");
        Start();
        ClickFile("My Notes.txt");
        pw::LaunchArea().shellCall = [this](const std::string& verb, const std::string& target, DWORD&) {
            shelled.push_back({verb, target});
            return true;
        };
    }

    // Answers every question with the next answer (nullptr cancels) and keeps the prompts.
    void Answer(std::vector<const char*> next)
    {
        answers = std::move(next);
        pw::SetDialogScript([this](HWND dialog, int templateId) {
            if (templateId != IDD_ASK_TEXT) return;
            prompts.push_back(TextOf(GetDlgItem(dialog, IDC_ASK_PROMPT)));
            const char* answer = answers.empty() ? nullptr : answers.front();
            if (!answers.empty()) answers.erase(answers.begin());
            if (answer) SetDlgItemTextA(dialog, IDC_ASK_TEXT, answer);
            SendMessageA(dialog, WM_COMMAND, answer ? IDOK : IDCANCEL, 0);
        });
    }

    // The recorder's command line from one "Send to".
    std::string SendTo()
    {
        DeleteFileA(record.c_str());
        Command(CMD_FILE_SEND_EXTERNAL);
        // The recorder runs on its own; this only bounds a recorder that never starts.
        for (int i = 0; i < 400 && !Exists(record); ++i) Sleep(25);
        return Exists(record) ? ReadFile(record) : "(not started)";
    }

    void Select(int start, int end) { SendMessageA(pw::ActiveEditor(), EM_SETSEL, start, end); }

    std::string lib, recorder, record;
    std::vector<const char*> answers;
    std::vector<std::string> prompts;
    std::vector<Shelled> shelled;
};

TEST_F(ExternalTest, DefaultArgumentsQuoteTheProgramAndTheFile)
{
    StartWith("");
    EXPECT_EQ(SendTo(), "\"" + recorder + "\" \"" + lib + "\\My Notes.txt\"");
}

TEST_F(ExternalTest, ProgramStartsShownByDefault)
{
    StartWith("");
    SendTo();
    EXPECT_EQ(ReadFile(InFolder("My Tools\\shown.txt")), std::to_string(SW_SHOWNORMAL));
}

TEST_F(ExternalTest, HiddenOptionAsksTheProgramToStartHidden)
{
    StartWith("", "", "ExternalProgramHidden=1\r\n");
    SendTo();
    EXPECT_EQ(ReadFile(InFolder("My Tools\\shown.txt")), std::to_string(SW_HIDE));
}

TEST_F(ExternalTest, RequestIsAskedAtEveryLaunchAndCancelGivesEmptyText)
{
    StartWith("[$request] $filebase $filebase");
    Answer({"first answer", nullptr});
    EXPECT_EQ(SendTo(), "\"" + recorder + "\" [first answer] My Notes $filebase");
    EXPECT_EQ(SendTo(), "\"" + recorder + "\" [] My Notes $filebase");
    EXPECT_EQ(prompts, (std::vector<std::string>{"Enter request text", "Enter request text"}));
}

TEST_F(ExternalTest, StoredTextIsAskedUntilItIsGivenThenKept)
{
    StartWith("<$storetxt>");
    Answer({"", "kept", "never asked"});
    EXPECT_EQ(SendTo(), "\"" + recorder + "\" <>");
    EXPECT_EQ(SendTo(), "\"" + recorder + "\" <kept>");
    EXPECT_EQ(SendTo(), "\"" + recorder + "\" <kept>");
    EXPECT_EQ(prompts.size(), 2u);
    EXPECT_EQ(prompts.front(), "Enter text (retained for next prompt)");
}

TEST_F(ExternalTest, FailedStartIsReported)
{
    StartWith("", "C:\\no such folder\\tool.exe");
    Command(CMD_FILE_SEND_EXTERNAL);
    EXPECT_EQ(pw::LastStatusText().rfind("Could not start C:\\no such folder\\tool.exe: ", 0), 0u)
        << pw::LastStatusText();
}

TEST_F(ExternalTest, MailEncodesTheSelectionAndRefusesTooLongOnes)
{
    StartWith("");
    Command(CMD_TOGGLE_MODE);  // the note into the editor
    if (!pw::ActiveEditor() || !IsWindowVisible(pw::ActiveEditor())) Command(CMD_TOGGLE_MODE);
    ASSERT_TRUE(IsWindowVisible(pw::ActiveEditor()));
    Select(0, 5);
    Command(CMD_MAIL_SELECTED_BODY);
    Select(5, 9);
    Command(CMD_MAIL_TO_SELECTED);
    EXPECT_EQ(shelled, (std::vector<Shelled>{{"open", "mailto:?body=a%3Fb%0D%0A"}, {"open", "mailto:?To=more"}}));

    shelled.clear();
    SetWindowTextA(pw::ActiveEditor(), std::string(300, 'x').c_str());
    Select(0, 260);
    Command(CMD_MAIL_SELECTED_BODY);
    EXPECT_TRUE(shelled.empty());
    EXPECT_EQ(pw::LastStatusText(), "Please select less than 260 characters (You have selected 260)");
    Select(0, 0);
    Command(CMD_MAIL_SELECTED_BODY);
    EXPECT_TRUE(shelled.empty());
}

TEST_F(ExternalTest, ShellVerbsGetTheEntryTheFolderOrTheNote)
{
    StartWith("");
    Command(CMD_FILE_LAUNCH);
    Command(CMD_FILE_PROPERTIES);
    Command(CMD_FOLDER_EXPLORER);
    Command(CMD_PRINT);
    const std::string note = lib + "\\My Notes.txt";
    EXPECT_EQ(shelled, (std::vector<Shelled>{{"open", note}, {"properties", note}, {"open", lib}, {"print", note}}));
}

TEST_F(ExternalTest, ReadOnlyQuestionHidesCancelAndKeepsTheText)
{
    StartWith("");
    bool readOnly = false;
    bool cancelShown = true;
    pw::SetDialogScript([&](HWND dialog, int templateId) {
        if (templateId != IDD_ASK_TEXT) return;
        HWND edit = GetDlgItem(dialog, IDC_ASK_TEXT);
        readOnly = (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0;
        cancelShown = IsWindowVisible(GetDlgItem(dialog, IDCANCEL)) != FALSE;
        EXPECT_EQ(TextOf(dialog), "Pagewick");
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // Escape only dismisses it
    });
    std::string text = "shown as it is";
    EXPECT_TRUE(pw::AskText(hwnd, "Look", text, true));
    EXPECT_EQ(text, "shown as it is");
    EXPECT_TRUE(readOnly);
    EXPECT_FALSE(cancelShown);
}

}  // namespace
}  // namespace pwtest
