// Keywords of files, kept in each file's info file, and the search that opens the files carrying one.
#pragma once

#include <string>

#include "multibar/keywords.h"

namespace pw {

// The file's keywords; false (list empty) when its info file does not exist.
bool FileKeywords(const std::string& filePath, KeywordList& list);
bool FileHasKeyword(const std::string& filePath, const std::string& keyword);
// Stores the list as the file's keywords; false when the info file could not be written.
bool WriteFileKeywords(const std::string& filePath, const KeywordList& list);

// The known keywords of the main settings file, and adding one (with KeywordsAutoAdd on).
KeywordList KnownKeywords();
void AddKnownKeyword(const std::string& keyword);

// A "kw" line: adds the keyword to the current file (a bare "kw" clears its keywords), then clears the
// Multibar. Nothing happens without a current file.
void AddKeywordFromMultibar(const std::string& multibarText);
// Opens the next file of the current folder that carries the keyword; "Keyword '%s' not found" at the end.
void FindKeyword(const std::string& keyword, bool restart);

}  // namespace pw
