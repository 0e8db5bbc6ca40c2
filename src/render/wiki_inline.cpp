// The inline passes that work inside one line: emphasis and the line rules (rules, images, headers).
#include "render/wiki_engine.h"

namespace pw::wiki {
namespace {

constexpr auto npos = std::string::npos;

// Position of the opening marker: after the first space-marker pair, else at the line start.
std::size_t EmphasisOpening(std::string_view line, char marker)
{
    const char pair[2] = {' ', marker};
    std::size_t at = line.find(std::string_view(pair, 2));
    if (at != npos) return at + 1;
    return (!line.empty() && line[0] == marker) ? 0 : npos;
}

// The closing marker: the first punctuation entry that follows the marker anywhere decides.
std::size_t EmphasisClosing(std::string_view line, char marker, std::size_t from)
{
    for (char c : kClosingPunctuation) {
        const char pair[2] = {marker, c};
        std::size_t at = line.find(std::string_view(pair, 2), from);
        if (at != npos) return at;
    }
    return npos;
}

bool ApplyEmphasis(std::string& line, const EmphasisRule& rule)
{
    std::size_t open = EmphasisOpening(line, rule.marker);
    if (open == npos) return false;
    std::size_t inner = open + 1;
    // "==" and "__" never open.
    if (inner < line.size() && line[inner] == rule.marker) return false;
    std::size_t close = EmphasisClosing(line, rule.marker, inner);
    if (close == npos) return false;
    std::string text(std::string_view(line).substr(0, open == 0 ? 0 : open - 1));
    text += ' ';
    text += rule.openTag;
    text.append(line, inner, close - inner);
    text += rule.closeTag;
    text.append(line, close + 1);
    CutToLine(text);
    line = std::move(text);
    return true;
}

bool ApplyLineRule(std::string& line, const LineRule& rule)
{
    std::size_t at = 0;
    if (rule.place == RulePlace::Start) {
        if (!StartsWithNoCase(line, rule.text)) return false;
    } else {
        at = line.find(rule.text);
        if (at == npos) return false;
    }
    Rewrite(line, at, rule.text.size(), rule.replacement);
    return true;
}

}  // namespace

bool EmphasisPass(LineWork& work)
{
    for (const EmphasisRule& rule : kEmphasisRules) {
        if (ApplyEmphasis(work.text, rule)) return true;
    }
    return false;
}

bool LineRulePass(LineWork& work)
{
    for (const LineRule& rule : kLineRules) {
        if (!ApplyLineRule(work.text, rule)) continue;
        // As the pass is repeated, the last rule applied decides the line break.
        work.lineBreak = rule.lineBreak;
        return true;
    }
    return false;
}

}  // namespace pw::wiki
