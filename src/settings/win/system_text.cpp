// Texts the system supplies: error messages, version resources, dates, the documents folder; and the log.
#include <shlobj.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "settings/limits.h"
#include "settings/win/messages.h"
#include "settings/win/settings_win.h"

namespace pw {

std::string ErrorText(DWORD error)
{
    char buffer[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, buffer,
                             sizeof(buffer), nullptr);
    std::string text = Cut(std::string(buffer, n));
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text;
}

std::string LastErrorText()
{
    return ErrorText(GetLastError());
}

bool VersionText(const std::string& programFile, VersionField which, std::string& out)
{
    const char* file = programFile.c_str();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file, &handle);
    if (size == 0) {
        out = FormatLimited(kMaxText, "Unable to get info size on %s", file);
        return false;
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(file, 0, size, data.data())) {
        out = FormatLimited(kMaxText, "Unable to get version info on %s", file);
        return false;
    }
    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation)) {
        out = FormatLimited(kMaxText, "Unable to get translation info on %s", file);
        return false;
    }
    const char* field = which == VersionField::File ? "FileVersion" : "ProductVersion";
    char query[128];
    std::snprintf(query, sizeof(query), "\\StringFileInfo\\%04x%04x\\%s", translation->language, translation->codePage,
                  field);
    char* value = nullptr;
    if (!VerQueryValueA(data.data(), query, reinterpret_cast<void**>(&value), &length) || !value) {
        out = FormatLimited(kMaxText, "Unable to get version (%s)", LastErrorText().c_str());
        return false;
    }
    out = Cut(value);
    return true;
}

namespace {

// Process-wide like the message box hook: a test seam that outlives any main window.
ClockHook& Clock()
{
    static ClockHook hook;
    return hook;
}

}  // namespace

void SetClockHook(ClockHook hook)
{
    Clock() = std::move(hook);
}

CivilTime LocalNow()
{
    if (Clock()) return Clock()();
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

bool Log(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string message = FormatLimitedV(kMaxLogText, format, args);
    va_end(args);
    std::string line = LogLine(LocalNow(), message);
    std::string path = ProgramFolder() + "LogFile.log";
    FILE* file = std::fopen(path.c_str(), "a");
    if (!file) return false;
    std::fputs(line.c_str(), file);
    std::fclose(file);
    return true;
}

std::string DocumentsFolder()
{
    char path[MAX_PATH] = {};
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &list)) || !list) return {};
    bool ok = SHGetPathFromIDListA(list, path) != FALSE;
    CoTaskMemFree(list);
    return ok ? std::string(path) : std::string();
}

DWORD StartProgram(const std::string& commandLine, int show)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return 0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwProcessId;
}

}  // namespace pw
