// A program that records how it was started, for the tests of "Send to".
//
// usage: anything. Writes its whole command line to "recorded.txt" beside its own program file (written to a
// temporary name first and then renamed, so a reader never sees half of it) and exits with 0.
#include <windows.h>

#include <cstring>
#include <string>

int main()
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self);
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    const std::string temporary = folder + "recorded.tmp";
    const std::string target = folder + "recorded.txt";
    const char* line = GetCommandLineA();
    HANDLE file =
        CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
    CloseHandle(file);
    if (!ok || !MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return 2;
    return 0;
}
