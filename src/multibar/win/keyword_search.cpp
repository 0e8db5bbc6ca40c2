#include "multibar/win/keyword_search.h"

#include "library/win/file_pane.h"
#include "library/win/library_state.h"
#include "library/win/list_view.h"
#include "multibar/multibar_line.h"
#include "multibar/win/multibar_state.h"
#include "notes/win/file_info.h"
#include "settings/ini_file.h"
#include "settings/win/messages.h"
#include "settings/win/safe_file.h"
#include "settings/win/settings_win.h"

namespace pw {
namespace {

bool AutoAdd()
{
    return Settings().GetBoolDefaultTrue("KeywordsAutoAdd");
}

}  // namespace

bool FileKeywords(const std::string& filePath, KeywordList& list)
{
    list.clear();
    const std::string info = InfoFileFor(filePath);
    if (info.empty() || !PathExists(info)) return false;
    list = SplitKeywords(ReadIniValue(RealFiles(), info, kKeywordsSection, kKeywordsKey, ""));
    return true;
}

bool FileHasKeyword(const std::string& filePath, const std::string& keyword)
{
    KeywordList list;
    return FileKeywords(filePath, list) && HasKeyword(list, keyword);
}

bool WriteFileKeywords(const std::string& filePath, const KeywordList& list)
{
    const std::string info = InfoFileFor(filePath);
    return !info.empty() && Settings().SetFileOnly(info, kKeywordsSection, kKeywordsKey, JoinKeywords(list));
}

KeywordList KnownKeywords()
{
    // Read from the file: a keyword added in this run is a new key, which the store holds only after a reload.
    KeywordList list;
    const std::optional<std::string> bytes = RealFiles().ReadFile(Settings().Path());
    if (!bytes) return list;
    for (const std::string& line : IniText(*bytes).SectionLines(kKnownKeywordsSection)) {
        const std::string key(TrimIniBlanks(std::string_view(line).substr(0, line.find('='))));
        if (!key.empty()) list.push_back(key);
    }
    return list;
}

void AddKnownKeyword(const std::string& keyword)
{
    if (!AutoAdd() || keyword.empty()) return;
    Settings().Set(Settings().Path(), kKnownKeywordsSection, FlattenLineBreaks(keyword), "");
}

void AddKeywordFromMultibar(const std::string& multibarText)
{
    const std::string keyword = KeywordOfLine(multibarText);
    const std::string file = CurrentFile();
    if (file.empty()) return;
    if (keyword.empty()) {
        WriteFileKeywords(file, {});
    } else {
        KeywordList list;
        FileKeywords(file, list);
        if (HasKeyword(list, keyword)) {
            StatusMessage("Keyword '%s' already in list", keyword.c_str());
        } else {
            list.push_back(keyword);
            AddKnownKeyword(keyword);
            if (WriteFileKeywords(file, list)) StatusMessage("Added keyword '%s' to list", keyword.c_str());
        }
    }
    SetMultibarText("");
}

void FindKeyword(const std::string& keyword, bool restart)
{
    FolderSearchState& search = MultibarArea().keyword;
    const std::string folder = FileDirectory(CurrentPlace());
    if (folder != search.folder || restart) {
        search.folder = folder;
        search.next = 0;
    }
    const std::vector<SortKey>& keys = LibraryArea().files.keys;
    for (std::size_t i = search.next; i < keys.size(); ++i) {
        std::string path;
        if (!JoinPath(path, folder, keys[i].name) || !FileHasKeyword(path, keyword)) continue;
        search.next = i + 1;
        list_view::Select(LibraryArea().panes.files, static_cast<int>(i));
        OpenSelectedFile(OpenMode::Open, true, true);
        return;
    }
    search.next = keys.size();
    StatusMessage("Keyword '%s' not found", keyword.c_str());
}

}  // namespace pw
