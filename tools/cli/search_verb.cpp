// pagewick-cli search: the files of a folder that the program's folder search opens, in the order it opens
// them, found by the same walk over the same file list order (names sorted without regard to case, the
// program's own ".fw" files left out).
#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli_common.h"
#include "library/file_kinds.h"
#include "library/listing.h"
#include "library/viewers.h"
#include "multibar/folder_search.h"
#include "verbs.h"

namespace pwcli {

namespace {

// The regular files the file pane would list; links are never followed.
std::vector<std::string> ListedFiles(const fs::path& folder)
{
    std::vector<pw::SortKey> keys;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code kind;
        if (!entry.is_regular_file(kind) || entry.is_symlink(kind)) continue;
        const pw::DirectoryEntry listed{entry.path().filename().string(), false, false};
        if (pw::IsListedEntry(listed, pw::HiddenEntryRules{})) keys.push_back({listed.name, ""});
    }
    pw::SortKeys(keys, pw::SortState{pw::kSortByName, false});
    std::vector<std::string> names;
    names.reserve(keys.size());
    for (pw::SortKey& key : keys) names.push_back(std::move(key.name));
    return names;
}

#if defined(_WIN32)
// The file's bytes read in one go; nullopt when it cannot be opened or read (no hit, no message).
std::optional<std::string> ReadListed(const fs::path& path)
{
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}
#else
// The file's bytes read in one go into a string of its size, never through a link; nullopt when it cannot
// be opened or read (no hit, no message).
std::optional<std::string> ReadListed(const fs::path& path)
{
    const int file = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0) return std::nullopt;
    std::optional<std::string> bytes;
    struct stat info {};
    if (::fstat(file, &info) == 0 && S_ISREG(info.st_mode)) {
        std::string text(static_cast<std::size_t>(info.st_size), '\0');
        std::size_t done = 0;
        bool failed = false;
        while (done < text.size()) {
            const ssize_t got = ::read(file, text.data() + done, text.size() - done);
            if (got < 0) failed = true;
            if (got <= 0) break;
            done += static_cast<std::size_t>(got);
        }
        text.resize(done);
        if (!failed) bytes = std::move(text);
    }
    ::close(file);
    return bytes;
}
#endif

}  // namespace

int SearchVerb(std::span<char* const> args)
{
    if (args.size() != 2 && !(args.size() == 3 && std::string_view(args[2]) == "--no-names")) return 2;
    const fs::path folder = args[0];
    std::error_code error;
    if (!fs::is_directory(folder, error)) return CannotRead(folder.string());
    pw::FolderSearchRules rules;
    rules.term = args[1];
    rules.checkFilename = args.size() == 2;
    const pw::ViewerTable viewers = pw::BuildViewerTable({});
    const pw::ViewerInfo& text = viewers.viewers[pw::kTextViewer];
    rules.textExtensions = text.editList;
    pw::AddExtensions(rules.textExtensions, text.viewList);
    const std::vector<std::string> names = ListedFiles(folder);
    auto read = [&](const std::string& name) { return ReadListed(folder / name); };
    std::string out;
    for (std::size_t next = 0;;) {
        const std::optional<pw::FolderHit> hit = pw::NextFolderHit(names, next, rules, read);
        if (!hit) break;
        out += names[hit->index] + "\n";
        next = hit->index + 1;
    }
    WriteOut(out);
    return 0;
}

}  // namespace pwcli
