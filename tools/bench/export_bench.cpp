// Exporting a root of 10,000 notes (100 folders of 100 wiki, Markdown and text notes) as static pages, against
// rendering the same notes in memory alone: what the folder walk, the link pass and the files cost on top.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "render/export_files.h"
#include "render/site_export.h"
#include "settings/ini_file.h"
#include "settings/settings_store.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFolders = 100;
constexpr int kNotesPerFolder = 100;
constexpr int kRounds = 3;
const char* const kExtensions[] = {".md", ".wki", ".txt"};

class NoFiles : public pw::FileAccess {
public:
    std::optional<std::string> ReadFile(const std::string&) override { return std::nullopt; }
    bool ReplaceWhole(const std::string&, std::string_view) override { return false; }
    bool FileExists(const std::string&) override { return false; }
};

std::string NoteText(int n)
{
    const std::string id = std::to_string(n);
    return "+ Note " + id + "\n\nA line with *emphasis*, a link to [Note " + std::to_string(n + 1) +
           "] and to http://example.org/" + id + ".\n\n- one\n- two\n\n|a|b|\n|c|d|\n";
}

struct Generated {
    std::vector<std::string> names, texts;
};

Generated MakeRoot(const fs::path& root)
{
    Generated notes;
    for (int f = 0; f < kFolders; ++f) {
        const fs::path folder = root / ("Folder " + std::to_string(f));
        fs::create_directories(folder);
        for (int i = 0; i < kNotesPerFolder; ++i) {
            const int n = f * kNotesPerFolder + i;
            notes.names.push_back("Note " + std::to_string(n) + kExtensions[n % 3]);
            notes.texts.push_back(NoteText(n));
            std::ofstream(folder / notes.names.back(), std::ios::binary) << notes.texts.back();
        }
    }
    return notes;
}

template <typename Work>
double BestSeconds(Work work)
{
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main()
{
    const fs::path temp = fs::temp_directory_path() / "pagewick-export-bench";
    fs::remove_all(temp);
    const Generated notes = MakeRoot(temp / "root");
    NoFiles files;
    const pw::SettingsStore store(files);
    std::size_t sink = 0;

    // Each folder's notes, indexed once, as the export does.
    std::vector<pw::ExportFolder> folders(kFolders);
    for (std::size_t i = 0; i < notes.names.size(); ++i) folders[i / kNotesPerFolder].notes.push_back(notes.names[i]);
    for (pw::ExportFolder& folder : folders) pw::IndexExportNotes(folder);
    const double render = BestSeconds([&] {
        for (std::size_t i = 0; i < notes.names.size(); ++i)
            sink += pw::ExportNotePage(notes.names[i], notes.texts[i], folders[i / kNotesPerFolder], store).size();
    });
    int pages = 0;
    const double exported = BestSeconds([&] {
        fs::remove_all(temp / "site");
        pw::ExportRequest request;
        request.root = temp / "root";
        request.out = temp / "site";
        pages = pw::ExportRoot(request, store).pages;
    });
    fs::remove_all(temp);
    const double count = static_cast<double>(notes.names.size());
    std::printf(
        "export 10,000 notes     %d pages  export %8.0f notes/s  rendering alone %8.0f notes/s  (%.2f s, %.2f s)\n",
        pages, count / exported, count / render, exported, render);
    return pages == static_cast<int>(notes.names.size()) && sink > 0 ? 0 : 1;
}
