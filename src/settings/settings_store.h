// The settings store: the whole settings file read into memory at start-up. Reads look entries up by key
// alone (case ignored, first in load order wins) with a default; writes reach the file at once.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"

namespace pw {

using StringList = std::vector<std::string>;

struct SettingsEntry {
    std::string key;
    std::string value;
    std::string section;
    std::string comment;  // the text after the first ";" of the stored value
    std::string file;     // the INI file the entry came from
    int flag = 0;
};

// Splits a comma list: runs of commas give no empty items, blanks stay, each item cut to 258 characters,
// at most 259 items.
StringList SplitCommaList(std::string_view value);

// The settings file of a program file: its drive, folder and base name with the extension ".ini".
std::string SettingsFileFor(std::string_view programPath);

class SettingsStore {
public:
    explicit SettingsStore(FileAccess& files) : files_(files) {}

    // Remembers the path and reads every section; a missing file loads nothing.
    void Load(const std::string& path);
    void Reload();
    const std::string& Path() const { return path_; }

    std::string GetString(std::string_view key, std::string_view fallback) const;
    int GetInt(std::string_view key, int fallback) const;
    bool GetBoolDefaultFalse(std::string_view key) const;
    bool GetBoolDefaultTrue(std::string_view key) const;
    std::string GetComment(std::string_view key) const;
    std::string GetComment(std::string_view section, std::string_view key) const;
    StringList GetList(std::string_view key) const;
    StringList KeysOf(std::string_view section) const;
    // Entries of a section in load order, at most limit (at most 259).
    std::vector<SettingsEntry> EntriesOf(std::string_view section, std::size_t limit = 259) const;
    // Whether an entry with this key exists (any section).
    bool Has(std::string_view key) const;

    // Writes value (and ";comment" when the comment is not empty) into the file. Returns true when the
    // entry was in memory and was updated; false when only the file was written (a new key is seen by
    // readers only after the next load). A write that fails is reported through the failure callback. A key
    // or section name that no line can hold (IniKeyText, IniSectionText) changes nothing and returns false.
    bool Set(const std::string& file, std::string_view section, std::string_view key, std::string_view value,
             std::string_view comment = {});
    bool SetGeneral(std::string_view key, std::string_view value);
    bool SetGeneralInt(std::string_view key, long long value);
    // Writes an entry into an INI file whose entries the store does not hold (a per-file or per-folder
    // file): memory is not touched; a failure is reported like any other. Returns whether the file was written.
    bool SetFileOnly(const std::string& file, std::string_view section, std::string_view key, std::string_view value);
    // Rewrites the file without that section (header matched as a line prefix, case ignored).
    bool DeleteSection(const std::string& file, std::string_view section);
    // Drops the sections, then writes the entries (value and ";comment"), in one safe replacement of the file:
    // a crash leaves the old or the new settings, never a mix. Entries no line can hold are skipped. Memory is
    // not updated (the caller reloads). Returns whether the file was written; a failure is reported.
    bool WriteChanges(const std::string& file, const StringList& droppedSections,
                      const std::vector<SettingsEntry>& entries);

    // Called with the file path when writing a settings or info file fails, or when a write is refused
    // because the file exists but cannot be read (the shell shows it once).
    void OnWriteFailure(std::function<void(const std::string&)> report) { onWriteFailure_ = std::move(report); }

    std::vector<SettingsEntry> Snapshot() const;
    FileAccess& Files() { return files_; }

private:
    const SettingsEntry* Find(std::string_view key) const;
    SettingsEntry* FindIn(std::string_view section, std::string_view key);
    void LoadSection(const IniText& ini, const std::string& section);
    void ReportWriteFailure(const std::string& file);

    FileAccess& files_;
    std::string path_;
    std::vector<SettingsEntry> entries_;
    mutable std::recursive_mutex lock_;
    std::function<void(const std::string&)> onWriteFailure_;
};

// The Configure dialog's layer: edits collected in memory and committed on OK.
class PendingSettings {
public:
    explicit PendingSettings(SettingsStore& store) : store_(store) {}

    std::string Get(std::string_view key, std::string_view fallback);  // section "General"
    int GetInt(std::string_view key, int fallback);
    std::string Get(std::string_view section, std::string_view key, std::string_view fallback);
    void Set(std::string_view key, std::string_view value);  // section "General", empty comment
    void Set(std::string_view section, std::string_view key, std::string_view value, std::string_view comment);
    StringList KeysOf(std::string_view section);
    void QueueSectionDeletion(std::string_view section);
    // Writes the file once, and only what changed: an entry read and set back as it was stays untouched (a key
    // that was absent is not added with its default), and a queued section rebuilt exactly as stored is left
    // where it is. Then the layer is empty.
    void Commit();
    void Discard();

    const std::vector<SettingsEntry>& Entries() const { return entries_; }
    const StringList& DeletionQueue() const { return deletions_; }

private:
    SettingsEntry* Find(std::string_view key);
    SettingsEntry* Find(std::string_view section, std::string_view key);

    bool Unchanged(const SettingsEntry& entry) const;
    bool RebuiltAsStored(std::string_view section) const;

    SettingsStore& store_;
    std::vector<SettingsEntry> entries_;
    std::vector<SettingsEntry> seeds_;  // every entry as it was first read, to tell what changed
    StringList deletions_;
};

// Folder-level keys: asked first of "pagewick.fw" in the current folder, then of the root's own file
// ("ferrowind.fw" when it exists, else "pagewick.fw"), each in "General", then of the store.
std::string FolderSetting(SettingsStore& store, const std::string& currentFolder, const std::string& rootFolder,
                          std::string_view key, std::string_view fallback);

}  // namespace pw
