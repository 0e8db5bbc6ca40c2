// The wiki markup itself, as data. The passes in wiki_line.cpp and wiki_links.cpp walk these tables in order,
// so the order of the rows is part of the markup.
#include "render/wiki.h"
#include "render/wiki_engine.h"

namespace pw {

const char* const kUrlPrefixList[6] = {"http:", "ftp:", "https:", "mailto:", "www.", "???"};

}  // namespace pw

namespace pw::wiki {

// The first kind whose opening marker occurs wins, even when another kind's marker stands earlier.
const std::array<BlockKind, 4> kBlockKinds = {{
    {"[<", ">]", "", ""},
    {"[{", "}]", "", ""},
    {"[|", "|]", "<pre>", "</pre>\n"},
    {"-->", "<--", "<center>", "</center>"},
}};

const std::array<EscapeRule, 2> kEscapeRules = {{
    {'<', "&lt;"},
    {'>', "&gt;"},
}};

const std::array<EmphasisRule, 2> kEmphasisRules = {{
    {'=', "<i>", "</i>"},
    {'_', "<u>", "</u>"},
}};

// A closing marker followed by an earlier entry wins over one followed by a later entry, wherever they stand.
const std::array<char, 9> kClosingPunctuation = {' ', ',', ':', ';', '!', '?', '.', '\t', '\n'};

// The horizontal rules must be the whole line, so they carry the line end in their text. An image source runs
// to its "$]"; a "$]" left over without an image still closes a tag.
const std::array<LineRule, 12> kLineRules = {{
    {"___\n", RulePlace::Start, "<hr />\n", true},
    {"***\n", RulePlace::Start, "<hr />\n", true},
    {"* * *\n", RulePlace::Start, "<hr />\n", true},
    {"[$", RulePlace::Anywhere, "<img src=\"", true, "$]", "\">"},
    {"$]", RulePlace::Anywhere, "\">", true},
    {"](imgs\\", RulePlace::Anywhere, "](imgs/", false},
    {"++++++", RulePlace::Start, "######", false},
    {"+++++", RulePlace::Start, "#####", false},
    {"++++", RulePlace::Start, "####", false},
    {"+++", RulePlace::Start, "###", false},
    {"++", RulePlace::Start, "##", false},
    {"+", RulePlace::Start, "#", false},
}};

}  // namespace pw::wiki
