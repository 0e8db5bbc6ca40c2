#include "render/export_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

#include "library/file_kinds.h"
#include "library/listing.h"
#include "render/page.h"
#include "render/site_export.h"

namespace pw {
namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool WriteWhole(const fs::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

// a lies in b or is b.
bool Within(const fs::path& a, const fs::path& b)
{
    auto [end, unused] = std::mismatch(b.begin(), b.end(), a.begin(), a.end());
    (void)unused;
    return end == b.end();
}

struct FolderEntries {
    std::vector<std::string> folders, notes, pictures;
};

FolderEntries ReadEntries(const fs::path& folder, const StringList& markdownExtensions)
{
    FolderEntries entries;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.' || entry.is_symlink(error)) continue;
        if (entry.is_directory(error)) {
            entries.folders.push_back(name);
        } else if (entry.is_regular_file(error)) {
            const ExportRole role = ExportRoleOf(name, markdownExtensions);
            if (role == ExportRole::Page) entries.notes.push_back(name);
            if (role == ExportRole::Copy) entries.pictures.push_back(name);
        }
    }
    for (auto* list : {&entries.folders, &entries.notes, &entries.pictures})
        std::sort(list->begin(), list->end(), [](const auto& a, const auto& b) { return CompareNoCase(a, b) < 0; });
    return entries;
}

class Exporter {
public:
    Exporter(const ExportRequest& request, const SettingsStore& store) : request_(request), store_(store) {}

    // An "imgs" folder is exported for its pictures but not listed: the panes do not show it either.
    void Folder(const fs::path& relative, int depth, ExportResult& result, bool listed = true)
    {
        const fs::path source = request_.root / relative;
        const fs::path target = request_.out / relative;
        std::error_code error;
        fs::create_directories(target, error);
        if (error) {
            Report("cannot create " + target.string());
            return;
        }
        ++result.folders;
        FolderEntries entries = ReadEntries(source, extensions_);
        ExportFolder folder;
        folder.title = relative.empty() ? request_.root.filename().string() : relative.string();
        folder.depth = depth;
        folder.rootExtension = request_.rootExtension;
        folder.defaultExtension = store_.GetString("DefaultExtension", ".txt");
        for (const std::string& sub : entries.folders)
            if (!IsOwnEntry({sub, true, false})) folder.folders.push_back(sub);
        for (const std::string& note : entries.notes) {
            std::optional<std::string> bytes = ReadWhole(source / note);
            if (!bytes) {
                ++result.unreadable;
                Report("cannot read " + (source / note).string());
                continue;
            }
            folder.notes.push_back(note);
            texts_.push_back(std::move(*bytes));
        }
        IndexExportNotes(folder);
        for (std::size_t i = 0; i < folder.notes.size(); ++i) {
            const std::string page = ExportNotePage(folder.notes[i], texts_[i], folder, store_);
            if (Write(target / ExportPageName(folder.notes[i]), page)) ++result.pages;
        }
        texts_.clear();
        for (const std::string& picture : entries.pictures) {
            fs::copy_file(source / picture, target / picture, fs::copy_options::overwrite_existing, error);
            if (error)
                Report("cannot copy " + (source / picture).string());
            else
                ++result.pictures;
        }
        if (listed) Write(target / std::string(kExportIndexPage), ExportIndexPage(folder));
        for (const std::string& sub : entries.folders)
            Folder(relative / sub, depth + 1, result, !IsOwnEntry({sub, true, false}));
    }

private:
    bool Write(const fs::path& path, std::string_view bytes)
    {
        if (WriteWhole(path, bytes)) return true;
        Report("cannot write " + path.string());
        return false;
    }

    void Report(const std::string& problem)
    {
        if (request_.report) request_.report(problem);
    }

    const ExportRequest& request_;
    const SettingsStore& store_;
    const StringList extensions_ = MarkdownExtensionList(store_.GetList("MarkdownExtraExtensions"));
    std::vector<std::string> texts_;
};

}  // namespace

ExportResult ExportRoot(const ExportRequest& request, const SettingsStore& store)
{
    ExportResult result;
    std::error_code error;
    if (!fs::is_directory(request.root, error)) {
        result.message = "not a folder: " + request.root.string();
        return result;
    }
    const fs::path root = fs::weakly_canonical(request.root, error);
    const fs::path out = fs::weakly_canonical(request.out, error);
    if (error || out.empty()) {
        result.message = "cannot use the output folder " + request.out.string();
        return result;
    }
    if (Within(out, root) || Within(root, out)) {
        result.message = "the output folder must lie outside the root, and the root outside it";
        return result;
    }
    if (fs::exists(out, error) && !fs::is_directory(out, error)) {
        result.message = "not a folder: " + request.out.string();
        return result;
    }
    result.started = true;
    ExportRequest resolved = request;
    resolved.root = root;
    resolved.out = out;
    Exporter exporter(resolved, store);
    exporter.Folder({}, 0, result);
    if (!request.styleSheet.empty() && fs::is_regular_file(request.styleSheet, error)) {
        fs::copy_file(request.styleSheet, out / std::string(kExportStyleSheet), fs::copy_options::overwrite_existing,
                      error);
        if (error && request.report) request.report("cannot copy " + request.styleSheet.string());
    }
    return result;
}

}  // namespace pw
