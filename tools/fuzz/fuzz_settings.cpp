// libFuzzer target: the settings reader and writer. The settings file and the ".fw" files are edited by
// people and other programs, and every run of the program writes into them, so for any bytes as a file:
//  - reading and writing back unchanged gives the same bytes;
//  - after a write of one key the file read back holds every entry it held before, the written entry as a
//    reload reads it, and nothing else; every line of the file but the written key's stays as it was, and at
//    most a blank line, a section header and the entry are added;
//  - after the deletion of a section, every other section's entries are as they were;
//  - the store's memory of an entry it updated equals what a reload reads, and the value query reads the
//    value written.
// "Entry" means what the store loads: a key, value and comment in a section; comment lines, lines before the
// first section and later copies of a section hold none, but they are lines of the file all the same.
// Keys and sections that no line can hold as they are must be refused, leaving the file as it was.
// Any violation aborts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"
#include "settings/settings_store.h"
#include "settings/text.h"

namespace {

const std::string kPath = "C:\\Pagewick\\pagewick.ini";

class Files : public pw::FileAccess {
public:
    std::optional<std::string> ReadFile(const std::string& path) override
    {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    bool ReplaceWhole(const std::string& path, std::string_view bytes) override
    {
        files[path] = std::string(bytes);
        return true;
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }

    std::map<std::string, std::string> files;
};

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_settings: %s\n", what);
    __builtin_trap();
}

void Check(bool ok, const char* what)
{
    if (!ok) Fail(what);
}

// The rules below are written out again here, apart from the code under test, from the file format: blanks
// are spaces and tabs; the store's fields hold at most 259 characters.
std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string Flat(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

std::string Field(std::string_view text)
{
    return std::string(text.substr(0, 259));
}

bool SameEntry(const pw::SettingsEntry& a, const pw::SettingsEntry& b)
{
    return a.key == b.key && a.value == b.value && a.section == b.section && a.comment == b.comment &&
           a.file == b.file && a.flag == b.flag;
}

bool SameEntries(const std::vector<pw::SettingsEntry>& a, const std::vector<pw::SettingsEntry>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameEntry(a[i], b[i])) return false;
    }
    return true;
}

std::vector<pw::SettingsEntry> Load(const std::string& bytes)
{
    Files files;
    files.files[kPath] = bytes;
    pw::SettingsStore store(files);
    store.Load(kPath);
    return store.Snapshot();
}

// The key and section name as the writer puts them in the file (line ends flattened, blanks trimmed), or
// nullopt for those no line can hold as they are: the writer refuses them.
std::optional<std::string> StorableKey(std::string_view key)
{
    const std::string name(Trim(Flat(key)));
    if (name.empty() || name.front() == ';' || name.front() == '[' || name.find('=') != std::string::npos) {
        return std::nullopt;
    }
    return name;
}

std::optional<std::string> StorableSection(std::string_view section)
{
    const std::string name(Trim(Flat(section)));
    if (name.find(']') != std::string::npos) return std::nullopt;
    return name;
}

std::string Stored(std::string_view value, std::string_view comment)
{
    const std::string flatComment = Flat(comment);
    return Flat(value) + (flatComment.empty() ? "" : ";" + flatComment);
}

// What the value query gives for the line "key=value;comment": the text trimmed, one pair of matching quotes
// around it dropped.
std::string QueryValue(std::string_view value, std::string_view comment)
{
    const std::string stored = Stored(value, comment);
    std::string_view text = Trim(stored);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    return std::string(text);
}

// The entry a reload reads from the line "key=value;comment".
pw::SettingsEntry ReadBack(const std::string& section, const std::string& key, std::string_view value,
                           std::string_view comment)
{
    const std::string stored = Stored(value, comment);
    const std::string_view text = Trim(stored);
    const std::size_t semicolon = text.find(';');
    pw::SettingsEntry entry;
    entry.key = key;
    entry.section = section;
    entry.value = Field(text.substr(0, semicolon));
    entry.comment = semicolon == std::string_view::npos ? std::string() : Field(text.substr(semicolon + 1));
    entry.file = kPath;
    return entry;
}

// The lines of a file, without their line ends.
std::vector<std::string> Lines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t feed = bytes.find('\n', start);
        std::string_view line = bytes.substr(start, feed == std::string_view::npos ? feed : feed - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (feed == std::string_view::npos) break;
        start = feed + 1;
    }
    return lines;
}

// The key a line holds when it is an entry line, as spelled.
std::optional<std::string> KeyOfLine(std::string_view line)
{
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '[') return std::nullopt;
    return std::string(Trim(text.substr(0, text.find('='))));
}

// Every line of the file is still there in order, but lines of the written key may hold a new value; at most
// three lines are added.
bool KeepsEveryOtherLine(std::string_view file, std::string_view written, const std::string& key)
{
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (file.starts_with(kMark) != written.starts_with(kMark)) return false;
    if (file.starts_with(kMark)) {
        file.remove_prefix(kMark.size());
        written.remove_prefix(kMark.size());
    }
    const std::vector<std::string> before = Lines(file);
    const std::vector<std::string> after = Lines(written);
    std::size_t next = 0;
    std::size_t added = 0;
    for (const std::string& line : before) {
        const std::optional<std::string> lineKey = KeyOfLine(line);
        const bool ofKey = lineKey && pw::EqualsNoCase(Field(*lineKey), key);
        auto same = [&](const std::string& now) { return now == line || (ofKey && now.starts_with(*lineKey + "=")); };
        while (next < after.size() && !same(after[next])) {
            ++next;
            ++added;
        }
        if (next == after.size()) return false;
        ++next;
    }
    return added + (after.size() - next) <= 3;
}

// Which key a run writes: any text, a key the file holds with more text after it (past 259 characters the
// store no longer tells them apart), or a key the file holds in other letters and with blanks around it.
struct KeyChoice {
    int kind = 0;
    std::size_t index = 0;
    std::string text;

    std::string Key(const std::vector<pw::SettingsEntry>& before) const
    {
        if (kind == 0 || before.empty()) return text;
        const std::string& held = before[index % before.size()].key;
        if (kind == 1) return held + text;
        std::string other = held;
        for (char& c : other) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        return " " + other + "\t";
    }
};

// Which section a run writes or deletes: a name the program uses, one the file holds, or any text.
struct SectionChoice {
    int kind = 0;
    std::size_t index = 0;
    std::string text;

    std::string Name(const std::vector<pw::SettingsEntry>& before) const
    {
        static const char* const kNames[] = {"General", "BasicRoots", "keywords"};
        if (kind == 0) return kNames[index % 3];
        if (kind == 1) return before.empty() ? std::string("General") : before[index % before.size()].section;
        return text;
    }
};

void CheckWrite(const std::string& file, const std::vector<pw::SettingsEntry>& before, const std::string& section,
                const std::string& key, const std::string& value, const std::string& comment)
{
    Files files;
    files.files[kPath] = file;
    pw::SettingsStore store(files);
    store.Load(kPath);
    store.Set(kPath, section, key, value, comment);
    const std::string written = files.files[kPath];
    const std::vector<pw::SettingsEntry> after = Load(written);

    std::optional<std::string> storableKey = StorableKey(key);
    std::optional<std::string> storableSection = StorableSection(section);
    if (!storableKey || !storableSection) {
        Check(written == file, "a refused write changed the file");
        Check(SameEntries(store.Snapshot(), before), "a refused write changed memory");
        return;
    }
    // The value query (folder and info files) reads the first copy of the key: the written one.
    const std::optional<std::string> query = pw::IniText(written).Value(*storableSection, *storableKey);
    Check(query == QueryValue(value, comment), "the value query reads another value than the one written");
    // Fields hold 259 characters: the store reads cut names, and a write finds its entry by them.
    storableKey = Field(*storableKey);
    storableSection = Field(*storableSection);
    Check(KeepsEveryOtherLine(file, written, *storableKey), "a write lost or changed a line of another key");
    // The updated entry keeps its place, its key's spelling and its section's spelling.
    std::vector<pw::SettingsEntry> expected = before;
    std::optional<std::size_t> updated;
    std::optional<std::size_t> lastOfSection;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (!pw::EqualsNoCase(expected[i].section, *storableSection)) continue;
        lastOfSection = i;
        if (pw::EqualsNoCase(expected[i].key, *storableKey)) updated = i;
    }
    if (updated) {
        pw::SettingsEntry& entry = expected[*updated];
        entry = ReadBack(entry.section, entry.key, value, comment);
        Check(SameEntries(after, expected), "the written entry or another one reads back differently");
        Check(SameEntries(store.Snapshot(), expected), "memory differs from what a reload reads");
        return;
    }
    // A new entry: the only addition, at the end of its section's entries; memory does not know it yet.
    Check(SameEntries(store.Snapshot(), before), "memory took a new key before the reload");
    Check(after.size() == before.size() + 1, "a new key did not add exactly one entry");
    std::optional<std::size_t> added;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (pw::EqualsNoCase(after[i].section, *storableSection) && pw::EqualsNoCase(after[i].key, *storableKey)) {
            Check(!added, "the new key reads back twice");
            added = i;
        }
    }
    Check(added.has_value(), "the new key does not read back");
    const pw::SettingsEntry got = after[*added];
    Check(SameEntry(got, ReadBack(got.section, got.key, value, comment)), "the new entry reads back differently");
    Check(got.key == *storableKey, "the new key reads back with another spelling");
    if (lastOfSection) Check(*added == *lastOfSection + 1, "the new entry is not the last of its section");
    std::vector<pw::SettingsEntry> rest = after;
    rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(*added));
    Check(SameEntries(rest, before), "an earlier entry changed when a key was added");
}

void CheckDeletion(const std::string& file, const std::vector<pw::SettingsEntry>& before, const std::string& section)
{
    Files files;
    files.files[kPath] = file;
    pw::SettingsStore store(files);
    store.Load(kPath);
    store.DeleteSection(kPath, section);
    const std::vector<pw::SettingsEntry> after = Load(files.files[kPath]);
    // Only a header that starts its line as "[section]" is dropped; entries under other spellings of the
    // header may stay, and may come to light. Every other section's entries stay as they were.
    auto others = [&](const std::vector<pw::SettingsEntry>& entries) {
        std::vector<pw::SettingsEntry> out;
        for (const pw::SettingsEntry& entry : entries) {
            if (!pw::EqualsNoCase(entry.section, section)) out.push_back(entry);
        }
        return out;
    };
    Check(SameEntries(others(after), others(before)), "deleting a section changed another section");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool deletion = input.ConsumeIntegralInRange(0, 3) == 0;
    SectionChoice choice;
    choice.kind = input.ConsumeIntegralInRange(0, 2);
    choice.index = input.ConsumeIntegral<std::uint16_t>();
    if (choice.kind == 2) choice.text = input.ConsumeRandomLengthString(300);
    KeyChoice keyChoice;
    keyChoice.kind = input.ConsumeIntegralInRange(0, 2);
    keyChoice.index = input.ConsumeIntegral<std::uint16_t>();
    keyChoice.text = input.ConsumeRandomLengthString(300);
    const std::string value = input.ConsumeRandomLengthString(300);
    const std::string comment = input.ConsumeBool() ? input.ConsumeRandomLengthString(300) : std::string();
    const std::string file = input.ConsumeRemainingBytesAsString();

    Check(pw::IniText(file).Bytes() == file, "reading and writing back changed the bytes");
    const std::vector<pw::SettingsEntry> before = Load(file);
    const std::string section = choice.Name(before);
    const std::string key = keyChoice.Key(before);
    if (deletion) {
        CheckDeletion(file, before, section);
    } else {
        CheckWrite(file, before, section, key, value, comment);
    }
    return 0;
}
