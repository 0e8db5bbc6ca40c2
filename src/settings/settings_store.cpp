// The settings store: every entry of the settings file in load order, read by key alone. Writes go to the
// file at once; the memory copy follows only for entries it already holds, so a new key appears on reload.
#include "settings/settings_store.h"

#include <algorithm>

#include "settings/limits.h"
#include "settings/text.h"

namespace pw {

namespace {

constexpr std::size_t kMaxListItemText = 258;

// "value;comment" as it is stored: the first ";" separates the comment.
void SplitComment(std::string_view stored, SettingsEntry& entry)
{
    const std::size_t semicolon = stored.find(';');
    entry.value = Cut(stored.substr(0, semicolon));
    entry.comment = semicolon == std::string_view::npos ? std::string() : Cut(stored.substr(semicolon + 1));
}

}  // namespace

StringList SplitCommaList(std::string_view value)
{
    StringList items;
    std::size_t start = 0;
    while (start <= value.size() && items.size() < kMaxListItems) {
        const std::size_t comma = value.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? value.size() : comma;
        if (end > start) items.push_back(Cut(value.substr(start, end - start), kMaxListItemText));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return items;
}

std::string SettingsFileFor(std::string_view programPath)
{
    const std::string folder = FolderOf(programPath);
    std::string name = FileNameOf(programPath);
    const std::string extension = ExtensionOf(name);
    name.resize(name.size() - extension.size());
    return Cut(folder + name + ".ini");
}

void SettingsStore::Load(const std::string& path)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    path_ = Cut(path);
    entries_.clear();
    // A file that cannot be read loads nothing, as a missing one; writes refuse to replace it.
    const std::optional<std::string> bytes = files_.ReadFile(path_);
    if (!bytes) return;
    const IniText ini(*bytes);
    for (const std::string& section : ini.SectionNames()) LoadSection(ini, section);
}

void SettingsStore::Reload()
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    const std::string path = path_;
    Load(path);
}

void SettingsStore::LoadSection(const IniText& ini, const std::string& section)
{
    for (const std::string& line : ini.SectionLines(section)) {
        if (line.front() == ';') continue;
        const std::size_t equals = line.find('=');
        SettingsEntry entry;
        entry.key = Cut(std::string_view(line).substr(0, equals));
        if (equals != std::string::npos) SplitComment(std::string_view(line).substr(equals + 1), entry);
        entry.section = Cut(section);
        entry.file = path_;
        SettingsEntry* same = FindIn(entry.section, entry.key);
        if (same == nullptr) {
            entries_.push_back(std::move(entry));
        } else {
            same->value = std::move(entry.value);
            same->comment = std::move(entry.comment);
            same->file = std::move(entry.file);
        }
    }
}

const SettingsEntry* SettingsStore::Find(std::string_view key) const
{
    for (const SettingsEntry& entry : entries_) {
        if (EqualsNoCase(entry.key, key)) return &entry;
    }
    return nullptr;
}

SettingsEntry* SettingsStore::FindIn(std::string_view section, std::string_view key)
{
    for (SettingsEntry& entry : entries_) {
        if (EqualsNoCase(entry.key, key) && EqualsNoCase(entry.section, section)) return &entry;
    }
    return nullptr;
}

std::string SettingsStore::GetString(std::string_view key, std::string_view fallback) const
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    const SettingsEntry* entry = Find(key);
    return Cut(entry != nullptr && !entry->value.empty() ? std::string_view(entry->value) : fallback);
}

int SettingsStore::GetInt(std::string_view key, int fallback) const
{
    return IntegerFromText(GetString(key, IntegerText(fallback)));
}

bool SettingsStore::GetBoolDefaultFalse(std::string_view key) const
{
    return BooleanText(GetString(key, "no"));
}

bool SettingsStore::GetBoolDefaultTrue(std::string_view key) const
{
    return BooleanText(GetString(key, "yes"));
}

std::string SettingsStore::GetComment(std::string_view key) const
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    const SettingsEntry* entry = Find(key);
    return entry != nullptr ? entry->comment : std::string();
}

std::string SettingsStore::GetComment(std::string_view section, std::string_view key) const
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    for (const SettingsEntry& entry : entries_) {
        if (EqualsNoCase(entry.key, key) && EqualsNoCase(entry.section, section)) return entry.comment;
    }
    return std::string();
}

StringList SettingsStore::GetList(std::string_view key) const
{
    return SplitCommaList(GetString(key, ""));
}

StringList SettingsStore::KeysOf(std::string_view section) const
{
    StringList keys;
    for (SettingsEntry& entry : EntriesOf(section)) keys.push_back(std::move(entry.key));
    return keys;
}

std::vector<SettingsEntry> SettingsStore::EntriesOf(std::string_view section, std::size_t limit) const
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    limit = std::min(limit, kMaxListItems);
    std::vector<SettingsEntry> out;
    for (const SettingsEntry& entry : entries_) {
        if (out.size() >= limit) break;
        if (EqualsNoCase(entry.section, section)) out.push_back(entry);
    }
    return out;
}

bool SettingsStore::Has(std::string_view key) const
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    return Find(key) != nullptr;
}

bool SettingsStore::Set(const std::string& file, std::string_view section, std::string_view key, std::string_view value,
                        std::string_view comment)
{
    // A key or section that no line can hold as it is would read back as another entry, or as none.
    const std::optional<std::string> name = IniKeyText(key);
    const std::optional<std::string> sectionName = IniSectionText(section);
    if (!name || !sectionName) return false;
    const std::string flatValue = FlattenLineBreaks(value);
    const std::string flatComment = FlattenLineBreaks(comment);
    const std::string stored = flatComment.empty() ? flatValue : flatValue + ";" + flatComment;
    bool updated = false;
    bool written = false;
    {
        std::lock_guard<std::recursive_mutex> hold(lock_);
        written = WriteIniValue(files_, file, *sectionName, *name, stored);
        // Memory takes the value as a reload would read it back: blanks around it go, the first ";" starts
        // the comment.
        if (SettingsEntry* entry = FindIn(Cut(*sectionName), Cut(*name))) {
            SplitComment(TrimIniBlanks(stored), *entry);
            entry->file = Cut(file);
            updated = true;
        }
    }
    if (!written) ReportWriteFailure(file);
    return updated;
}

bool SettingsStore::SetGeneral(std::string_view key, std::string_view value)
{
    return Set(path_, "General", key, value);
}

bool SettingsStore::SetGeneralInt(std::string_view key, long long value)
{
    return Set(path_, "General", key, IntegerText(value));
}

bool SettingsStore::DeleteSection(const std::string& file, std::string_view section)
{
    if (file.empty()) return false;
    bool written = false;
    {
        std::lock_guard<std::recursive_mutex> hold(lock_);
        const std::optional<std::string> bytes = files_.ReadFile(file);
        if (!bytes) return false;
        IniText ini(*bytes);
        if (!ini.DropSection(section)) return true;
        written = files_.ReplaceWhole(file, ini.Bytes());
    }
    if (!written) ReportWriteFailure(file);
    return written;
}

bool SettingsStore::WriteChanges(const std::string& file, const StringList& droppedSections,
                                 const std::vector<SettingsEntry>& entries)
{
    if (file.empty()) return false;
    bool written = false;
    do {
        std::lock_guard<std::recursive_mutex> hold(lock_);
        std::optional<std::string> bytes = files_.ReadFile(file);
        // A file that exists but cannot be read must not be rebuilt from nothing.
        if (!bytes && files_.FileExists(file)) break;
        IniText ini(bytes.value_or(""));
        for (const std::string& section : droppedSections) ini.DropSection(section);
        for (const SettingsEntry& entry : entries) {
            const std::string value = FlattenLineBreaks(entry.value);
            const std::string comment = FlattenLineBreaks(entry.comment);
            ini.SetValue(entry.section, entry.key, comment.empty() ? value : value + ";" + comment);
        }
        const std::string after = ini.Bytes();
        if (bytes && after == *bytes) return true;
        written = files_.ReplaceWhole(file, after);
    } while (false);
    if (!written) ReportWriteFailure(file);
    return written;
}

bool SettingsStore::SetFileOnly(const std::string& file, std::string_view section, std::string_view key,
                                std::string_view value)
{
    if (!IniKeyText(key) || !IniSectionText(section)) return false;
    bool written = false;
    {
        std::lock_guard<std::recursive_mutex> hold(lock_);
        written = WriteIniValue(files_, file, section, key, FlattenLineBreaks(value));
    }
    if (!written) ReportWriteFailure(file);
    return written;
}

std::vector<SettingsEntry> SettingsStore::Snapshot() const
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    return entries_;
}

void SettingsStore::ReportWriteFailure(const std::string& file)
{
    if (onWriteFailure_) onWriteFailure_(file);
}

}  // namespace pw
