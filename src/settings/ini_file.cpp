// INI text kept line by line so that a write changes one line and leaves every other byte alone, the way
// the system's private-profile functions treat a settings file.
#include "settings/ini_file.h"

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The name of a "[section]" line, nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    const std::string_view text = TrimBlanks(line);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const std::size_t close = text.find(']');
    const std::size_t end = close == std::string_view::npos ? text.size() : close;
    return TrimBlanks(text.substr(1, end - 1));
}

std::string_view KeyOf(std::string_view line)
{
    const std::string_view text = TrimBlanks(line);
    return TrimBlanks(text.substr(0, text.find('=')));
}

// Value of an entry line, trimmed; one pair of matching quotes around it is dropped as the system does.
std::string_view ValueOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view value = TrimBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::string FlattenLineBreaks(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

IniText::IniText(std::string_view bytes)
{
    // Editors that save UTF-8 put the mark first; left in the first line it would hide the first section.
    byteOrderMark_ = bytes.starts_with(kByteOrderMark);
    if (byteOrderMark_) bytes.remove_prefix(kByteOrderMark.size());
    if (bytes.empty()) return;
    crlf_ = bytes.find("\r\n") != std::string_view::npos || bytes.find('\n') == std::string_view::npos;
    finalNewline_ = bytes.back() == '\n';
    if (finalNewline_) bytes.remove_suffix(1);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = bytes.find('\n', start);
        std::string_view line = bytes.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

std::string IniText::Bytes() const
{
    const char* eol = crlf_ ? "\r\n" : "\n";
    std::string out(byteOrderMark_ ? kByteOrderMark : std::string_view());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) out += eol;
        out += lines_[i];
    }
    if (!lines_.empty() && finalNewline_) out += eol;
    return out;
}

std::vector<std::string> IniText::SectionNames() const
{
    std::vector<std::string> names;
    for (const std::string& line : lines_) {
        const auto name = HeaderName(line);
        if (!name) continue;
        bool known = false;
        for (const std::string& seen : names) known = known || EqualsNoCase(seen, *name);
        if (!known) names.emplace_back(*name);
    }
    return names;
}

IniText::Range IniText::FindSection(std::string_view section) const
{
    Range range;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i]);
        if (!name) continue;
        if (range.found) {
            range.end = i;
            return range;
        }
        if (EqualsNoCase(*name, section)) {
            range.found = true;
            range.header = i;
        }
    }
    range.end = lines_.size();
    return range;
}

std::optional<std::size_t> IniText::FindKey(const Range& range, std::string_view key) const
{
    if (!range.found) return std::nullopt;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (!TrimBlanks(lines_[i]).empty() && EqualsNoCase(KeyOf(lines_[i]), key)) return i;
    }
    return std::nullopt;
}

std::vector<std::string> IniText::SectionLines(std::string_view section) const
{
    std::vector<std::string> out;
    const Range range = FindSection(section);
    if (!range.found) return out;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const std::string_view text = TrimBlanks(lines_[i]);
        if (text.empty()) continue;
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            out.emplace_back(text);
        } else {
            out.push_back(std::string(TrimBlanks(text.substr(0, equals))) + "=" +
                          std::string(TrimBlanks(text.substr(equals + 1))));
        }
    }
    return out;
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const
{
    const auto line = FindKey(FindSection(section), key);
    if (!line) return std::nullopt;
    return std::string(ValueOf(lines_[*line]));
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string name = FlattenLineBreaks(section);
    const std::string entry = FlattenLineBreaks(key) + "=" + FlattenLineBreaks(value);
    const Range range = FindSection(name);
    if (!range.found) {
        if (!lines_.empty() && !TrimBlanks(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + name + "]");
        lines_.push_back(entry);
        finalNewline_ = true;
        return;
    }
    if (const auto line = FindKey(range, FlattenLineBreaks(key))) {
        lines_[*line] = entry;
        return;
    }
    std::size_t at = range.header + 1;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (!TrimBlanks(lines_[i]).empty()) at = i + 1;
    }
    if (at == lines_.size()) finalNewline_ = true;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), entry);
}

bool IniText::DropSection(std::string_view section)
{
    const std::string header = "[" + std::string(section) + "]";
    std::vector<std::string> kept;
    bool inside = false;
    bool dropped = false;
    for (std::string& line : lines_) {
        // A repeated header of the same section starts dropping again rather than ending the first one.
        if (StartsWithNoCase(line, header)) {
            inside = dropped = true;
            continue;
        }
        if (inside && !line.empty() && line.front() == '[') inside = false;
        if (!inside) kept.push_back(std::move(line));
    }
    // The kept line before a dropped tail had its line end; only an untouched last line may lack one.
    if (inside) finalNewline_ = true;
    lines_ = std::move(kept);
    return dropped;
}

std::string ReadIniValue(FileAccess& files, const std::string& path, std::string_view section, std::string_view key,
                         std::string_view fallback)
{
    const std::optional<std::string> bytes = files.ReadFile(path);
    if (!bytes) return Cut(fallback);
    const std::optional<std::string> value = IniText(*bytes).Value(section, key);
    return Cut(value ? *value : fallback);
}

bool WriteIniValue(FileAccess& files, const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value)
{
    const std::optional<std::string> bytes = files.ReadFile(path);
    if (!bytes && files.FileExists(path)) return false;
    IniText ini(bytes.value_or(std::string()));
    ini.SetValue(section, key, value);
    return files.ReplaceWhole(path, ini.Bytes());
}

}  // namespace pw
