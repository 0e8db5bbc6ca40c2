#include "media/win/fetch.h"

#include <windows.h>

#include "media/fetch.h"
#include "media/win/http_socket.h"
#include "pw_version.h"
#include "settings/win/safe_file.h"

namespace pw {
namespace {

// The body goes to a "ttt" file of the temporary folder first and then moves onto the target, which the
// naming chose free: the move never replaces a file, so one that appeared meanwhile is kept and the fetch
// fails. The temporary file is removed on every failure.
bool WriteDownload(const std::string& path, std::string_view bytes)
{
    char folder[MAX_PATH];
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) return false;
    if (GetTempFileNameA(folder, "ttt", 0, temp) == 0) return false;
    if (WriteWholeFile(temp, bytes) && MoveFileExA(temp, path.c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp);
    return false;
}

}  // namespace

std::optional<std::string> FetchToFile(std::string& address, const std::string& referrer, const std::string& folder)
{
    FetchIo io;
    io.get = HttpGet;
    io.exists = PathExists;
    io.writeNew = WriteDownload;
    // The running program's product version: its version block is built from this same text.
    return FetchToFile(address, referrer, folder, PW_VERSION_TEXT, io).savedName;
}

}  // namespace pw
