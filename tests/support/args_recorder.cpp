// A program that records how it was started, for the tests of "Send to".
//
// usage: anything. Writes how it was asked to show its window ("shown.txt": the show command, or -1 when none
// was given), then its whole command line to "recorded.txt", beside its own program file (each written to a
// temporary name first and then renamed, so a reader never sees half of one) and exits with 0.
#include <windows.h>

#include <string>

namespace {

bool WriteWhole(const std::string& folder, const std::string& name, const std::string& text)
{
    const std::string temporary = folder + name + ".tmp";
    const std::string target = folder + name;
    HANDLE file =
        CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int main()
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self);
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    if (!WriteWhole(folder, "shown.txt", std::to_string(show))) return 2;
    if (!WriteWhole(folder, "recorded.txt", GetCommandLineA())) return 2;
    return 0;
}
