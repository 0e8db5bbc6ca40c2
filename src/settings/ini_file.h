// INI text as the system's private-profile functions see it, over an abstract file access so that the core
// stays portable: the Win32 layer reads and replaces real files safely, tests use memory.
//
// File format: "[section]" lines start sections; "key=value" lines are entries; a line without "=" is a key
// with an empty value. Section and key names compare without regard to case. A UTF-8 byte-order mark at the
// start is not part of the first line. Writing keeps every other byte of the file as it was (the mark,
// comments, order, blank lines, unknown sections).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

// What the settings code needs of a file system.
class FileAccess {
public:
    virtual ~FileAccess() = default;
    // The whole file, or nullopt when it does not exist or cannot be read (held open by another program,
    // denied). FileExists tells the two apart: a file that exists but cannot be read must never be taken for
    // an empty one, or a write built on that reading would replace everything it holds.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // Replaces the file with these bytes so that a crash leaves the old or the new content, never a mix.
    virtual bool ReplaceWhole(const std::string& path, std::string_view bytes) = 0;
    virtual bool FileExists(const std::string& path) = 0;
};

// In-memory INI document, one line per element, exactly as read.
class IniText {
public:
    IniText() = default;
    explicit IniText(std::string_view bytes);

    std::string Bytes() const;
    std::vector<std::string> SectionNames() const;
    // The lines of a section as the system's section query returns them: each non-empty line after the
    // header, with blanks around key and value trimmed ("key=value" or the bare line).
    std::vector<std::string> SectionLines(std::string_view section) const;
    // The value of the first entry with this key in the section (blanks trimmed), nullopt when missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Replaces the value of the first entry with this key, or appends the entry to the section, or appends
    // the section at the end. Line ends inside key or value are flattened to blanks: a value never creates
    // a new entry.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Drops the section whose header line starts with "[section]" (case ignored) up to the next line that
    // starts with "["; returns whether anything was dropped.
    bool DropSection(std::string_view section);

private:
    // Lines of the first section of a name: its header and the index after its last line.
    struct Range {
        bool found = false;
        std::size_t header = 0;
        std::size_t end = 0;
    };
    Range FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;

    std::vector<std::string> lines_;  // without their line ends
    bool crlf_ = true;                // line end style of the file, kept when it is written back
    bool finalNewline_ = true;
    bool byteOrderMark_ = false;
};

// Every CR and LF becomes a blank: a line break inside a name or value would start a new entry of the file.
std::string FlattenLineBreaks(std::string_view text);

// Reads one value of an INI file (the private-profile string query); the default when the file is missing
// or cannot be read, or the key is missing.
std::string ReadIniValue(FileAccess& files, const std::string& path, std::string_view section, std::string_view key,
                         std::string_view fallback);
// Writes one value into an INI file, creating the file when missing. A file that exists but cannot be read
// is left untouched and the write fails.
bool WriteIniValue(FileAccess& files, const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace pw
