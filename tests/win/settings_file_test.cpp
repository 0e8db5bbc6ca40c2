// Settings and info files that another program holds open: whatever the program writes meanwhile, the file
// keeps every byte, and the user is told once.
#include <windows.h>

#include <sstream>
#include <string>

#include "gui_harness.h"
#include "notes/win/file_info.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"

namespace pwtest {
namespace {

std::string TestProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Another process that holds a file open with share mode 0 for as long as this object lives.
class FileHolder {
public:
    enum class Release { Never, OnChangeInFolder };

    FileHolder(const std::string& path, Release release)
    {
        static int counter = 0;
        std::ostringstream name;
        name << "pwtest-holder-" << GetCurrentProcessId() << "-" << ++counter;
        const std::string readyName = name.str() + "-ready";
        const std::string quitName = name.str() + "-quit";
        ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
        quit_ = CreateEventA(nullptr, TRUE, FALSE, quitName.c_str());
        std::string command =
            "\"" + TestProgramFolder() + "pagewick_file_holder.exe\" \"" + path + "\" " + readyName + " " + quitName;
        if (release == Release::OnChangeInFolder) command += " release-on-change";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_)) {
            return;
        }
        CloseHandle(process_.hThread);
        // A limit only against a helper that never starts: the wait normally ends at once.
        HANDLE waits[] = {ready_, process_.hProcess};
        holding_ = WaitForMultipleObjects(2, waits, FALSE, 20000) == WAIT_OBJECT_0;
    }

    ~FileHolder()
    {
        SetEvent(quit_);
        if (process_.hProcess) {
            WaitForSingleObject(process_.hProcess, 20000);
            CloseHandle(process_.hProcess);
        }
        CloseHandle(ready_);
        CloseHandle(quit_);
    }

    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    bool holding() const { return holding_; }

private:
    HANDLE ready_ = nullptr;
    HANDLE quit_ = nullptr;
    PROCESS_INFORMATION process_{};
    bool holding_ = false;
};

class SettingsFileTest : public PagewickTest {
protected:
    static std::string Report(const std::string& path)
    {
        return "Settings could not be saved to " + path + ": " + pw::ErrorText(ERROR_SHARING_VIOLATION);
    }

    // While another program holds the file, a write leaves every byte as it was, and the report appears for
    // the first refused write only; the holder may let go while the program writes (a scanner that is done).
    template <typename Write>
    void ExpectRefusedAndReportedOnce(const std::string& path, Write write, const char* name)
    {
        const std::string original = ReadFile(path);
        ASSERT_FALSE(original.empty()) << name;
        for (FileHolder::Release release : {FileHolder::Release::Never, FileHolder::Release::OnChangeInFolder}) {
            const char* how = release == FileHolder::Release::Never ? "held throughout" : "released meanwhile";
            WriteFile(path, original);
            ASSERT_TRUE(Start()) << name;
            const std::string before = ReadFile(path);  // start-up writes the placement
            {
                FileHolder holder(path, release);
                ASSERT_TRUE(holder.holding()) << name;
                write();
                EXPECT_EQ(pw::LastStatusText(), Report(path)) << name << ", " << how;
                pw::StatusMessage("something else");
                write();
                EXPECT_EQ(pw::LastStatusText(), "something else") << name << ", " << how << ": reported once";
            }
            EXPECT_EQ(ReadFile(path), before) << name << ", " << how;
            Stop();
        }
    }
};

TEST_F(SettingsFileTest, AHeldSettingsFileKeepsEveryByte)
{
    WriteIni("[General]\r\nUseStatBar=1\r\nListWidth=200\r\nAutoSave=5\r\n\r\n[BasicRoots]\r\nD:\\work=Work;.md\r\n");
    ExpectRefusedAndReportedOnce(
        IniPath(), [] { pw::Settings().SetGeneralInt("ListWidth", 300); }, "settings");
}

TEST_F(SettingsFileTest, AHeldFolderSettingsFileKeepsEveryByte)
{
    WriteIni("[General]\r\nUseStatBar=1\r\n");
    MakeFolder(InFolder("notes"));
    const std::string path = InFolder("notes\\pagewick.fw");
    WriteFile(path, "[General]\r\nIndexFile=start.md\r\nNoteTemplateDate=dd.MM.yyyy\r\n");
    ExpectRefusedAndReportedOnce(
        path, [&] { pw::Settings().Set(path, "General", "ImagePrependDate", "1"); }, "folder settings");
}

TEST_F(SettingsFileTest, AHeldInfoFileKeepsEveryByte)
{
    WriteIni("[General]\r\nUseStatBar=1\r\nFwFileWithOriginal=0\r\n");
    MakeFolder(InFolder("notes"));
    MakeFolder(InFolder("file_info"));
    const std::string note = InFolder("notes\\x.txt");
    WriteFile(note, "x");
    std::string flat = note.substr(3);
    for (char& c : flat) {
        if (c == '\\') c = '_';
    }
    const std::string path = InFolder("file_info\\") + flat + ".fw";
    WriteFile(path, "[General]\r\nFileName=" + note + "\r\nkeywords=work,home\r\nColumnWidths=80,120\r\n");
    ExpectRefusedAndReportedOnce(
        path, [&] { EXPECT_EQ(pw::InfoFileFor(note), path); }, "info file");
}

}  // namespace
}  // namespace pwtest
