// INI text kept line by line, each line with its own line end, so that a write changes its own lines and
// leaves every other byte alone, the way the system's private-profile functions treat a settings file.
#include "settings/ini_file.h"

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The name of a "[section]" line, nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    const std::string_view text = TrimIniBlanks(line);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const std::size_t close = text.find(']');
    const std::size_t end = close == std::string_view::npos ? text.size() : close;
    return TrimIniBlanks(text.substr(1, end - 1));
}

std::string_view KeyOf(std::string_view line)
{
    const std::string_view text = TrimIniBlanks(line);
    return TrimIniBlanks(text.substr(0, text.find('=')));
}

// Value of an entry line, trimmed; one pair of matching quotes around it is dropped as the system does.
std::string_view ValueOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view value = TrimIniBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// Names as the settings store keeps them: two names that agree in their first 259 characters are one.
bool SameName(std::string_view a, std::string_view b)
{
    return EqualsNoCase(a.substr(0, kMaxText), b.substr(0, kMaxText));
}

}  // namespace

std::string_view TrimIniBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string FlattenLineBreaks(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

std::optional<std::string> IniKeyText(std::string_view key)
{
    const std::string flat = FlattenLineBreaks(key);
    const std::string_view name = TrimIniBlanks(flat);
    if (name.empty() || name.front() == ';' || name.front() == '[' || name.find('=') != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(name);
}

std::optional<std::string> IniSectionText(std::string_view section)
{
    const std::string flat = FlattenLineBreaks(section);
    const std::string_view name = TrimIniBlanks(flat);
    if (name.find(']') != std::string_view::npos) return std::nullopt;
    return std::string(name);
}

IniText::IniText(std::string_view bytes)
{
    // Editors that save UTF-8 put the mark first; left in the first line it would hide the first section.
    byteOrderMark_ = bytes.starts_with(kByteOrderMark);
    if (byteOrderMark_) bytes.remove_prefix(kByteOrderMark.size());
    if (bytes.find("\r\n") == std::string_view::npos && bytes.find('\n') != std::string_view::npos) newline_ = "\n";
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t feed = bytes.find('\n', start);
        std::string_view text = bytes.substr(start, feed == std::string_view::npos ? feed : feed - start);
        Line line;
        // A CR before the line feed, or at the very end, is part of the line end, never of a value.
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
            line.end = "\r";
        }
        if (feed != std::string_view::npos) line.end += '\n';
        line.text = text;
        lines_.push_back(std::move(line));
        if (feed == std::string_view::npos) break;
        start = feed + 1;
    }
}

std::string IniText::Bytes() const
{
    std::string out(byteOrderMark_ ? kByteOrderMark : std::string_view());
    for (const Line& line : lines_) {
        out += line.text;
        out += line.end;
    }
    return out;
}

std::vector<std::string> IniText::SectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        const auto name = HeaderName(line.text);
        if (!name) continue;
        bool known = false;
        for (const std::string& seen : names) known = known || SameName(seen, *name);
        if (!known) names.emplace_back(*name);
    }
    return names;
}

IniText::Range IniText::FindSection(std::string_view section) const
{
    Range range;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i].text);
        if (!name) continue;
        if (range.found) {
            range.end = i;
            return range;
        }
        if (SameName(*name, section)) {
            range.found = true;
            range.header = i;
        }
    }
    range.end = lines_.size();
    return range;
}

std::vector<std::size_t> IniText::FindKeys(const Range& range, std::string_view key) const
{
    std::vector<std::size_t> found;
    if (!range.found) return found;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const std::string_view text = TrimIniBlanks(lines_[i].text);
        if (text.empty() || text.front() == ';') continue;
        if (SameName(KeyOf(text), key)) found.push_back(i);
    }
    return found;
}

std::vector<std::string> IniText::SectionLines(std::string_view section) const
{
    std::vector<std::string> out;
    const Range range = FindSection(section);
    if (!range.found) return out;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const std::string_view text = TrimIniBlanks(lines_[i].text);
        if (text.empty()) continue;
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            out.emplace_back(text);
        } else {
            out.push_back(std::string(TrimIniBlanks(text.substr(0, equals))) + "=" +
                          std::string(TrimIniBlanks(text.substr(equals + 1))));
        }
    }
    return out;
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const
{
    const std::vector<std::size_t> lines = FindKeys(FindSection(section), key);
    if (lines.empty()) return std::nullopt;
    return std::string(ValueOf(lines_[lines.front()].text));
}

void IniText::Insert(std::size_t at, std::string text)
{
    // The line before gets a whole line end: only a file's last line may lack one.
    if (at > 0) {
        std::string& end = lines_[at - 1].end;
        if (end.empty()) end = newline_;
        if (end == "\r") end = "\r\n";
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

bool IniText::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::optional<std::string> name = IniSectionText(section);
    const std::optional<std::string> keyText = IniKeyText(key);
    if (!name || !keyText) return false;
    const std::string flatValue = FlattenLineBreaks(value);
    const Range range = FindSection(*name);
    if (!range.found) {
        if (!lines_.empty() && !TrimIniBlanks(lines_.back().text).empty()) Insert(lines_.size(), "");
        Insert(lines_.size(), "[" + *name + "]");
        Insert(lines_.size(), *keyText + "=" + flatValue);
        return true;
    }
    const std::vector<std::size_t> lines = FindKeys(range, *keyText);
    for (std::size_t i : lines) lines_[i].text = std::string(KeyOf(lines_[i].text)) + "=" + flatValue;
    if (!lines.empty()) return true;
    std::size_t at = range.header + 1;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (!TrimIniBlanks(lines_[i].text).empty()) at = i + 1;
    }
    Insert(at, *keyText + "=" + flatValue);
    return true;
}

bool IniText::DropSection(std::string_view section)
{
    const std::string header = "[" + std::string(section) + "]";
    std::vector<Line> kept;
    bool inside = false;
    bool dropped = false;
    for (Line& line : lines_) {
        // A repeated header of the same section starts dropping again rather than ending the first one.
        if (StartsWithNoCase(line.text, header)) {
            inside = dropped = true;
            continue;
        }
        // Any line the reader takes for a header ends the section, an indented one too: its entries belong
        // to that other section.
        if (inside && HeaderName(line.text)) inside = false;
        if (!inside) kept.push_back(std::move(line));
    }
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
    if (!ini.SetValue(section, key, value)) return false;
    return files.ReplaceWhole(path, ini.Bytes());
}

}  // namespace pw
