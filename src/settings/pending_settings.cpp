// The Configure dialog's pending layer. Reads fill the layer from the store on first use, so that OK writes
// back every value the dialog showed; sections queued for deletion are rebuilt from the layer alone.
#include "settings/limits.h"
#include "settings/settings_store.h"
#include "settings/text.h"

namespace pw {

namespace {

constexpr std::string_view kGeneral = "General";

}  // namespace

SettingsEntry* PendingSettings::Find(std::string_view key)
{
    for (SettingsEntry& entry : entries_) {
        if (EqualsNoCase(entry.key, key)) return &entry;
    }
    return nullptr;
}

SettingsEntry* PendingSettings::Find(std::string_view section, std::string_view key)
{
    for (SettingsEntry& entry : entries_) {
        if (EqualsNoCase(entry.key, key) && EqualsNoCase(entry.section, section)) return &entry;
    }
    return nullptr;
}

std::string PendingSettings::Get(std::string_view key, std::string_view fallback)
{
    return Get(kGeneral, key, fallback);
}

int PendingSettings::GetInt(std::string_view key, int fallback)
{
    return DecimalPrefix(Get(key, IntegerText(fallback)));
}

std::string PendingSettings::Get(std::string_view section, std::string_view key, std::string_view fallback)
{
    if (const SettingsEntry* entry = Find(key)) return entry->value;
    SettingsEntry entry;
    entry.key = Cut(key);
    entry.value = store_.GetString(key, fallback);
    entry.section = Cut(section);
    entry.comment = EqualsNoCase(section, kGeneral) ? store_.GetComment(key) : store_.GetComment(section, key);
    entry.file = store_.Path();
    entries_.push_back(entry);
    return entry.value;
}

void PendingSettings::Set(std::string_view key, std::string_view value)
{
    Set(kGeneral, key, value, {});
}

void PendingSettings::Set(std::string_view section, std::string_view key, std::string_view value,
                          std::string_view comment)
{
    SettingsEntry* entry = Find(section, key);
    if (entry == nullptr) {
        entries_.emplace_back();
        entry = &entries_.back();
        entry->key = Cut(key);
        entry->section = Cut(section);
        entry->file = store_.Path();
    }
    entry->value = Cut(value);
    entry->comment = Cut(comment);
}

StringList PendingSettings::KeysOf(std::string_view section)
{
    StringList keys;
    for (const SettingsEntry& entry : entries_) {
        if (EqualsNoCase(entry.section, section) && keys.size() < kMaxListItems) keys.push_back(entry.key);
    }
    if (!keys.empty()) return keys;
    // A section queued for deletion is being rebuilt: taking the stored entries back would undo the deletion.
    for (const std::string& queued : deletions_) {
        if (EqualsNoCase(queued, section)) return keys;
    }
    for (SettingsEntry& entry : store_.EntriesOf(section)) {
        keys.push_back(entry.key);
        entries_.push_back(std::move(entry));
    }
    return keys;
}

void PendingSettings::QueueSectionDeletion(std::string_view section)
{
    std::erase_if(entries_, [&](const SettingsEntry& entry) { return EqualsNoCase(entry.section, section); });
    for (const std::string& queued : deletions_) {
        if (EqualsNoCase(queued, section)) return;
    }
    deletions_.push_back(Cut(section));
}

void PendingSettings::Commit()
{
    const std::string path = store_.Path();
    for (const std::string& section : deletions_) store_.DeleteSection(path, section);
    deletions_.clear();
    for (const SettingsEntry& entry : entries_) {
        if (!entry.section.empty()) store_.Set(path, entry.section, entry.key, entry.value, entry.comment);
    }
    entries_.clear();
}

void PendingSettings::Discard()
{
    entries_.clear();
    deletions_.clear();
}

}  // namespace pw
