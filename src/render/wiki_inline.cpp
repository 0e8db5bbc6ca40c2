// The inline passes that work inside one line: emphasis and the line rules (rules, images, headers).
#include "render/wiki_engine.h"

#include <algorithm>
#include <array>

#include "render/html_attribute.h"

namespace pw::wiki {
namespace {

constexpr auto npos = std::string::npos;

// Position of the opening marker: after the first space-marker pair, else at the line start. The search walks
// the markers, which are rare, rather than the spaces.
std::size_t EmphasisOpening(std::string_view line, char marker)
{
    for (std::size_t at = line.find(marker, 1); at != npos; at = line.find(marker, at + 1)) {
        if (line[at - 1] == ' ') return at;
    }
    return (!line.empty() && line[0] == marker) ? 0 : npos;
}

// Rank of c in kClosingPunctuation, or the table size when c closes nothing.
std::size_t PunctuationRank(char c)
{
    const auto* it = std::find(kClosingPunctuation.begin(), kClosingPunctuation.end(), c);
    return static_cast<std::size_t>(it - kClosingPunctuation.begin());
}

// The closing marker: the first punctuation entry that follows the marker anywhere decides, at its first
// place. One walk over the markers finds it, instead of one search of the line per entry.
std::size_t EmphasisClosing(std::string_view line, char marker, std::size_t from)
{
    std::size_t best = npos;
    std::size_t bestRank = kClosingPunctuation.size();
    for (std::size_t at = line.find(marker, from); at != npos && at + 1 < line.size() && bestRank > 0;
         at = line.find(marker, at + 1)) {
        std::size_t rank = PunctuationRank(line[at + 1]);
        if (rank < bestRank) {
            bestRank = rank;
            best = at;
        }
    }
    return best;
}

// The rewrite is made in place, the later end first, so that the line keeps its buffer.
bool ApplyEmphasis(LineWork& work, const EmphasisRule& rule)
{
    std::string& line = work.text;
    std::size_t open = EmphasisOpening(line, rule.marker);
    if (open == npos) return false;
    std::size_t inner = open + 1;
    // "==" and "__" never open.
    if (inner < line.size() && line[inner] == rule.marker) return false;
    std::size_t close = EmphasisClosing(line, rule.marker, inner);
    if (close == npos) return false;
    line.replace(close, 1, rule.closeTag);
    line.replace(open, 1, rule.openTag);
    // A marker at the line start gets the space that one after a space already has.
    if (open == 0) line.insert(line.begin(), ' ');
    CutToLine(line);
    work.marks.Add(rule.openTag);
    work.marks.Add(rule.closeTag);
    return true;
}

// The text of an attribute value opened by a line rule, as written: quotes become entities, and an opening
// text inside it gets its first character as an entity, so that no later repetition opens an attribute within
// this one.
std::string AttributeText(std::string_view value, std::string_view opener)
{
    const std::string openerEntity = "&#" + std::to_string(static_cast<unsigned char>(opener[0])) + ";";
    std::string text;
    text.reserve(value.size() + 16);
    for (std::size_t at = value.find(opener); at != npos; at = value.find(opener)) {
        AppendAttributeValue(text, value.substr(0, at), '"');
        text += openerEntity;
        value.remove_prefix(at + 1);
    }
    AppendAttributeValue(text, value, '"');
    return text;
}

// The opening text and the value after it are rewritten first and cut like any rewrite; the closing text is
// then replaced where it now stands, unless the cut took it.
void ApplyEnclosingRule(LineWork& work, const LineRule& rule, std::size_t at)
{
    const std::string& line = work.text;
    const std::size_t from = at + rule.text.size();
    const std::size_t close = line.find(rule.closeText, from);
    const std::size_t end = close == npos ? line.size() : close;
    std::string opened(rule.replacement);
    opened += AttributeText(std::string_view(line).substr(from, end - from), rule.text);
    Rewrite(work, at, end - at, opened);
    const std::size_t closeAt = at + opened.size();
    if (close == npos || closeAt + rule.closeText.size() > line.size()) return;
    if (line.compare(closeAt, rule.closeText.size(), rule.closeText) != 0) return;
    Rewrite(work, closeAt, rule.closeText.size(), rule.closeReplacement);
}

bool ApplyLineRule(LineWork& work, const LineRule& rule)
{
    const std::string& line = work.text;
    std::size_t at = 0;
    if (rule.place == RulePlace::Start) {
        // Most lines fail on their first byte; the full comparison is for the few that do not.
        const bool firstDiffers = !line.empty() && !rule.text.empty() && FoldAscii(line[0]) != FoldAscii(rule.text[0]);
        if (firstDiffers || !StartsWithNoCase(line, rule.text)) return false;
    } else {
        if (!work.marks.Has(rule.text.front())) return false;
        at = line.find(rule.text);
        if (at == npos) return false;
    }
    if (rule.closeText.empty()) {
        Rewrite(work, at, rule.text.size(), rule.replacement);
    } else {
        ApplyEnclosingRule(work, rule, at);
    }
    return true;
}

// What a line needs for any rule of kLineRules to apply: one of the start rules' first bytes (either case) at
// its start, or one of the other rules' first bytes in it.
struct LineRuleBytes {
    std::array<bool, 256> start{};
    std::string anywhere;
};

LineRuleBytes RuleBytesOf(const std::array<LineRule, 12>& rules)
{
    LineRuleBytes bytes;
    for (const LineRule& rule : rules) {
        const char first = rule.text.front();
        if (rule.place == RulePlace::Start) {
            bytes.start[static_cast<unsigned char>(FoldAscii(first))] = true;
        } else if (bytes.anywhere.find(first) == std::string::npos) {
            bytes.anywhere += first;
        }
    }
    return bytes;
}

// Every line asks; kLineRules is constant data, ready before this is made.
const LineRuleBytes kRuleBytes = RuleBytesOf(kLineRules);

bool AnyLineRuleMayApply(const LineWork& work)
{
    if (!work.text.empty() && MayStartLineRule(work.text[0])) return true;
    for (char c : kRuleBytes.anywhere) {
        if (work.marks.Has(c)) return true;
    }
    return false;
}

}  // namespace

bool EmphasisPass(LineWork& work)
{
    for (const EmphasisRule& rule : kEmphasisRules) {
        if (work.marks.Has(rule.marker) && ApplyEmphasis(work, rule)) return true;
    }
    return false;
}

bool MayStartLineRule(char first)
{
    return kRuleBytes.start[static_cast<unsigned char>(FoldAscii(first))];
}

bool LineRulePass(LineWork& work)
{
    if (!AnyLineRuleMayApply(work)) return false;
    for (const LineRule& rule : kLineRules) {
        if (!ApplyLineRule(work, rule)) continue;
        // As the pass is repeated, the last rule applied decides the line break.
        work.lineBreak = rule.lineBreak;
        return true;
    }
    return false;
}

}  // namespace pw::wiki
