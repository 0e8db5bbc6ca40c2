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

// In-memory INI document, one line per element, each with its own line end, exactly as read. Names (section
// and key) are matched by the 259 characters the settings store keeps of them.
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
    // Gives every entry of the key in the first section of that name the value (the store reads the last
    // copy of a key, the value query the first: both see the write), keeping each line's key as spelled; or
    // appends the entry to the section, or the section at the end. Line ends inside the value become blanks.
    // Refused (false, nothing changed) for a key or section that IniKeyText or IniSectionText refuse.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Drops the section whose header line starts with "[section]" (case ignored) up to the next line that is
    // a section header; returns whether anything was dropped.
    bool DropSection(std::string_view section);

private:
    struct Line {
        std::string text;
        std::string end;  // "\r\n" or "\n"; only the last line may end with "\r" alone or nothing
    };
    // Lines of the first section of a name: its header and the index after its last line.
    struct Range {
        bool found = false;
        std::size_t header = 0;
        std::size_t end = 0;
    };
    Range FindSection(std::string_view section) const;
    std::vector<std::size_t> FindKeys(const Range& range, std::string_view key) const;
    void Insert(std::size_t at, std::string text);

    std::vector<Line> lines_;
    std::string newline_ = "\r\n";  // the file's line end style, for the lines a write adds
    bool byteOrderMark_ = false;
};

// Blanks around names and values are not part of them: spaces and tabs.
std::string_view TrimIniBlanks(std::string_view text);
// Every CR and LF becomes a blank: a line break inside a name or value would start a new entry of the file.
std::string FlattenLineBreaks(std::string_view text);
// A key as a line holds it: line ends flattened, blanks trimmed. nullopt for a key no line can hold, because
// it would read back as another entry or as none: empty, starting with ";" (a comment) or "[" (a section
// header), or holding "=" (the key would end there).
std::optional<std::string> IniKeyText(std::string_view key);
// A section name as its header holds it: line ends flattened, blanks trimmed; nullopt when it holds "]".
std::optional<std::string> IniSectionText(std::string_view section);

// Reads one value of an INI file (the private-profile string query); the default when the file is missing
// or cannot be read, or the key is missing.
std::string ReadIniValue(FileAccess& files, const std::string& path, std::string_view section, std::string_view key,
                         std::string_view fallback);
// Writes one value into an INI file, creating the file when missing. A file that exists but cannot be read
// is left untouched and the write fails, as does a refused key or section.
bool WriteIniValue(FileAccess& files, const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace pw
