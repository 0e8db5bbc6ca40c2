// A second process that holds a file open with no sharing, as a virus scanner or a sync client does.
//
// usage: pagewick_file_holder PATH READY QUIT [release-on-change]
// Opens PATH for reading with share mode 0, then signals the named event READY and holds the file until the
// named event QUIT is signalled. With "release-on-change" it lets go of the file as soon as a name in the
// file's folder changes (a scanner that finishes while the program is busy writing), and still waits for
// QUIT before it exits. Exit code 0 when the file was held, 2 when it could not be opened, 3 on bad usage.
#include <windows.h>

#include <string>

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) return 3;
    const std::string path = argv[1];
    const bool releaseOnChange = argc > 4 && std::string(argv[4]) == "release-on-change";
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (!ready || !quit) return 3;
    // Watch before holding, so that no change after the ready signal can be missed.
    HANDLE change = releaseOnChange
                        ? FindFirstChangeNotificationA(FolderOf(path).c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME)
                        : INVALID_HANDLE_VALUE;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    SetEvent(ready);
    if (change != INVALID_HANDLE_VALUE) {
        HANDLE waits[] = {quit, change};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) CloseHandle(file);
        FindCloseChangeNotification(change);
    }
    WaitForSingleObject(quit, INFINITE);
    return 0;
}
