// A file's keywords as they stand in its info file: one comma-separated value, read with at most
// kMaxKeywordsValue characters, split at commas (runs of commas count as one, items are not trimmed) and
// written back joined with "," and no spaces.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

inline constexpr std::string_view kKeywordsSection = "General";
inline constexpr std::string_view kKeywordsKey = "keywords";
// The main settings file's section of known keywords: each one a key with an empty value.
inline constexpr std::string_view kKnownKeywordsSection = "keywords";
inline constexpr std::size_t kMaxKeywordsValue = 519;
inline constexpr std::size_t kMaxKeywords = 259;
inline constexpr std::size_t kMaxKeywordLength = 258;

using KeywordList = std::vector<std::string>;

// The stored value cut to kMaxKeywordsValue, split; at most kMaxKeywords items of at most kMaxKeywordLength.
KeywordList SplitKeywords(std::string_view value);
// The list as it is stored. A line break inside an item becomes a blank: the value stays one line of the
// info file and can never start a key or a section of its own.
std::string JoinKeywords(const KeywordList& list);
// Whole entries, compared without regard to case.
bool HasKeyword(const KeywordList& list, std::string_view keyword);

}  // namespace pw
