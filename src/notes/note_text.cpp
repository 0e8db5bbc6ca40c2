#include "notes/note_text.h"

#include <algorithm>
#include <cstdio>

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {

bool IsNewUnsavedMarker(std::string_view fileName)
{
    return EqualsNoCase(fileName, kNewUnsavedMarker);
}

LoadedNote ConvertLoadedBytes(std::string_view bytes, bool checkForBom, bool formatNewLines)
{
    LoadedNote note;
    std::size_t nul = bytes.find('\0');
    note.heldNulBytes = nul != std::string_view::npos;
    std::string_view content = bytes.substr(0, nul);
    if (checkForBom && content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
    if (!formatNewLines) {
        note.text = content;
        return note;
    }
    note.text.reserve(content.size() + content.size() / 16);
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\n' && (i == 0 || content[i - 1] != '\r')) note.text += '\r';
        note.text += content[i];
    }
    return note;
}

namespace {

// The characters named by the note rules, and those the file system refuses in a name, which would
// otherwise make the save fail without a word.
bool IsUnfitNameChar(char c)
{
    static constexpr std::string_view kUnfit = "%:?[\\]/*<>|\"";
    return kUnfit.find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 32;
}

}  // namespace

std::optional<std::string> NameForUnsavedNote(std::string_view multibarText, std::string_view defaultExtension)
{
    if (multibarText.empty()) return std::nullopt;
    std::string name(multibarText);
    if (!EndsWithNoCase(name, defaultExtension) && !EndsWithNoCase(name, ".fw")) name += defaultExtension;
    ReplaceAll(name, "%20", " ");
    for (char& c : name) {
        if (IsUnfitNameChar(c)) c = '_';
    }
    return Cut(name);
}

std::string FileInfoFolder(std::string_view fileInfoDir, std::string_view programFolder)
{
    if (!fileInfoDir.empty()) return std::string(fileInfoDir);
    std::string folder;
    JoinPath(folder, programFolder, "file_info");
    return folder;
}

namespace {

// The path without "X:\" or "\\server\share\" in front.
std::string_view WithoutDriveOrShare(std::string_view path)
{
    if (path.size() >= 2 && path[1] == ':') {
        path.remove_prefix(2);
    } else if (path.starts_with("\\\\")) {
        std::size_t server = path.find('\\', 2);
        std::size_t share = server == std::string_view::npos ? server : path.find('\\', server + 1);
        path = share == std::string_view::npos ? std::string_view{} : path.substr(share);
    }
    while (path.starts_with('\\')) path.remove_prefix(1);
    return path;
}

}  // namespace

std::optional<std::string> InfoFilePath(std::string_view filePath, bool withOriginal, std::string_view infoFolder)
{
    if (filePath.empty()) return std::nullopt;
    std::string name = withOriginal ? std::string(filePath) : std::string(WithoutDriveOrShare(filePath));
    if (name.empty()) return std::nullopt;
    name += ".fw";
    if (withOriginal) {
        if (name.size() > kMaxText) return std::nullopt;
        return name;
    }
    for (char& c : name) {
        if (c == '\\') c = '_';
    }
    std::string path;
    if (!JoinPath(path, infoFolder, name)) return std::nullopt;
    return path;
}

namespace {

// The number after the first "_" of a base name; 0 when there is none, and no more than 100.
int NumberAfterUnderscore(std::string_view text)
{
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || number > 99) break;
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace

std::optional<std::string> FreeFileName(std::string_view path, const std::function<bool(const std::string&)>& exists)
{
    std::string whole(path);
    if (!exists || !exists(whole)) return whole;
    std::size_t nameStart = whole.find_last_of("\\:") + 1;  // 0 when the path is a bare name
    std::string folder = whole.substr(0, nameStart);
    std::string name = whole.substr(nameStart);
    std::string extension = ExtensionOf(name);
    std::string base = name.substr(0, name.size() - extension.size());
    int number = 1;
    if (std::size_t cut = base.find('_'); cut != std::string::npos) {
        number = std::max(1, NumberAfterUnderscore(std::string_view(base).substr(cut + 1)));
        base.resize(cut);
    }
    for (; number <= 99; ++number) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "_%03d", number);
        std::string candidate = folder + base + suffix + extension;
        if (candidate.size() > kMaxText) return std::nullopt;
        if (!exists(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace pw
