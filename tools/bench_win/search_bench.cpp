// Folder search benchmark: a "?d" line that finds nothing in a folder of 10,000 notes (about 50 MB), run in
// the real main window, beside a plain FindFirstFile and ReadFile loop over the same folder in the same run.
// Runs under Wine with a display.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "library/win/library_state.h"
#include "multibar/win/multibar_commands.h"
#include "multibar/win/multibar_state.h"
#include "settings/win/messages.h"
#include "shell/win/startup.h"

#include "bench_clock.h"

namespace {

constexpr int kNotes = 10000;
constexpr std::size_t kNoteBytes = 5000;
constexpr int kRounds = 3;
constexpr const char* kMissingTerm = "zqxjvbwk";

const char* const kWords[] = {"apple",  "Budget", "garden", "meeting", "notes", "river",  "Table", "walk",
                              "letter", "Winter", "seed",   "plan",    "lamp",  "market", "paper", "Kettle"};

std::string NoteText(unsigned seed)
{
    std::string text;
    while (text.size() < kNoteBytes) {
        seed = seed * 1103515245u + 12345u;
        text += kWords[(seed >> 16) % 16];
        text += (seed >> 8) % 11 == 0 ? "\r\n" : " ";
    }
    return text;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;  // made by an earlier run
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void MakeFolder(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < kNotes; ++i)
        WriteBytes(folder + "\\note " + std::to_string(i) + ".txt", NoteText(static_cast<unsigned>(i)));
}

// Every file of the folder read whole, as the plainest program would.
std::size_t ReadAll(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    std::size_t total = 0;
    std::vector<char> buffer;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        HANDLE file = CreateFileA((folder + "\\" + found.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        buffer.resize(found.nFileSizeLow);
        DWORD got = 0;
        if (ReadFile(file, buffer.data(), found.nFileSizeLow, &got, nullptr)) total += got;
        CloseHandle(file);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return total;
}

}  // namespace

int main()
{
    const std::string base = pwbench::BenchFolder("pagewick-search-bench");
    const std::string folder = base + "notes";
    MakeFolder(folder);
    const std::string ini =
        "[General]\r\nRootAutoAddCDrive=0\r\nRootAutoAddMyDocuments=0\r\nRootAutoAddAmbervale=0\r\n"
        "[BasicRoots]\r\n" +
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
    const std::string line = std::string("?d ") + kMissingTerm;
    ReadAll(folder);  // the same warm cache for both
    std::size_t bytes = 0;
    const double loop = pwbench::Best(kRounds, [&] { bytes = ReadAll(folder); });
    const double search = pwbench::Best(kRounds, [&] {
        pw::SetMultibarText(line);
        pw::RunMultibarLine();
    });
    const bool missed = pw::LastStatusText() == "Search term not found";
    std::printf(
        "folder search, %zu files, %.1f MB, no hit%s: FindFirstFile+ReadFile loop %.1f ms, \"?d\" in the "
        "program %.1f ms, ratio %.2f (goal: at most 1.5)\n",
        pw::LibraryArea().files.keys.size(), static_cast<double>(bytes) / 1e6, missed ? "" : " (NOT REPORTED)",
        loop * 1000, search * 1000, search / loop);
    pw::ShutdownPagewick();
    return missed ? 0 : 1;
}
