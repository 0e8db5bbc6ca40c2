// Listing benchmark: a folder of 10,000 files listed into the real file pane (filled and sorted), beside a
// plain FindFirstFile loop over the same folder in the same run. Runs under Wine with a display.
#include <windows.h>

#include <cstdio>
#include <string>

#include "library/win/file_pane.h"
#include "library/win/root_list.h"
#include "shell/win/startup.h"

#include "bench_clock.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kRounds = 5;

void MakeFolder(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < kFiles; ++i) {
        char name[64];
        std::snprintf(name, sizeof(name), "\\note %05d.txt", (i * 7919) % kFiles);
        HANDLE file = CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
}

int CountWithFindFirstFile(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    int count = 0;
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

}  // namespace

int main()
{
    const std::string base = pwbench::BenchFolder("pagewick-listing-bench");
    const std::string folder = base + "notes";
    MakeFolder(folder);
    std::string ini =
        "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
        "LoadIndexFiles=0\r\n[BasicRoots]\r\n" +
        folder + "=Bench\r\n";
    HANDLE file = CreateFileA((base + "pagewick.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
    CloseHandle(file);

    pw::StartOptions options;
    options.programFile = base + "pagewick.exe";
    options.show = SW_SHOWNORMAL;
    if (!pw::StartPagewick(GetModuleHandleA(nullptr), options)) {
        std::fprintf(stderr, "the main window could not be created (error %lu)\n", GetLastError());
        return 1;
    }
    int seen = 0;
    const double loop = pwbench::Best(kRounds, [&] { seen = CountWithFindFirstFile(folder); });
    const double pane = pwbench::Best(kRounds, [] { pw::ListFiles(false); });
    std::printf(
        "listing %d files: FindFirstFile loop %.1f ms, file pane filled and sorted %.1f ms, ratio %.2f "
        "(goal: at most 3)\n",
        seen, loop * 1000, pane * 1000, pane / loop);
    pw::ShutdownPagewick();
    return 0;
}
