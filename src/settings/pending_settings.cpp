// The Configure dialog's pending layer. Reads fill the layer from the store on first use, so that OK writes
// back every value the dialog showed; sections queued for deletion are rebuilt from the layer alone.
#include <algorithm>

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
    seeds_.push_back(entry);
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
        seeds_.push_back(entry);
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

bool PendingSettings::Unchanged(const SettingsEntry& entry) const
{
    for (const SettingsEntry& seed : seeds_) {
        if (EqualsNoCase(seed.section, entry.section) && EqualsNoCase(seed.key, entry.key))
            return seed.value == entry.value && seed.comment == entry.comment;
    }
    return false;
}

// Whether the pending entries of a section queued for deletion are the stored ones, in the stored order.
bool PendingSettings::RebuiltAsStored(std::string_view section) const
{
    const std::vector<SettingsEntry> stored = store_.EntriesOf(section);
    std::size_t next = 0;
    for (const SettingsEntry& entry : entries_) {
        if (!EqualsNoCase(entry.section, section)) continue;
        if (next >= stored.size()) return false;
        const SettingsEntry& was = stored[next++];
        if (was.key != entry.key || was.value != entry.value || was.comment != entry.comment) return false;
    }
    return next == stored.size();
}

void PendingSettings::Commit()
{
    StringList dropped;
    StringList kept;
    for (const std::string& section : deletions_) (RebuiltAsStored(section) ? kept : dropped).push_back(section);
    std::vector<SettingsEntry> changed;
    for (const SettingsEntry& entry : entries_) {
        if (entry.section.empty()) continue;
        const bool inKept = std::any_of(
            kept.begin(), kept.end(), [&](const std::string& section) { return EqualsNoCase(section, entry.section); });
        const bool inDropped = std::any_of(dropped.begin(), dropped.end(), [&](const std::string& section) {
            return EqualsNoCase(section, entry.section);
        });
        if (inKept || (!inDropped && Unchanged(entry))) continue;
        changed.push_back(entry);
    }
    if (!dropped.empty() || !changed.empty()) store_.WriteChanges(store_.Path(), dropped, changed);
    Discard();
}

void PendingSettings::Discard()
{
    entries_.clear();
    seeds_.clear();
    deletions_.clear();
}

}  // namespace pw
