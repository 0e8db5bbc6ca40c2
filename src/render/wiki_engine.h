// The wiki converter's engine: the rule tables, the per-document state and the passes that the line pipeline
// runs. Each pass takes the working line and reports whether it rewrote it; a rewrite builds the new line from
// the text before the match, the replacement and the text after it, and never yields more than kWikiMaxLine
// characters. Everything here is bytes: NUL bytes and invalid UTF-8 are ordinary data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace pw::wiki {

inline constexpr std::size_t kMaxLine = 1023;        // an input piece, and the result of any rewrite
inline constexpr std::size_t kMaxField = 259;        // link labels and hrefs
inline constexpr std::size_t kMaxTablePieces = 259;  // pieces of one table row
inline constexpr std::size_t kMaxCell = 258;         // characters of one table piece

// A block marker pair with the tags it turns into ("[|" ... "|]" is a <pre> block).
struct BlockKind {
    std::string_view open, close, openTag, closeTag;
};

// Inside a block these characters become entities.
struct EscapeRule {
    char ch;
    std::string_view entity;
};

// "=b=" after a space (or at the line start) becomes italics.
struct EmphasisRule {
    char marker;
    std::string_view openTag, closeTag;
};

enum class RulePlace { Start, Anywhere };

// One rewrite of the line-rule pass and whether the line it applies to still gets a line break. A rule with a
// closing text opens an attribute value ("[$" becomes '<img src="'): the text up to the closing text, or to the
// line end without one, is that value and is written as such; the closing text closes the attribute.
struct LineRule {
    std::string_view text;
    RulePlace place;
    std::string_view replacement;
    bool lineBreak;
    std::string_view closeText = {};
    std::string_view closeReplacement = {};
};

extern const std::array<BlockKind, 4> kBlockKinds;
extern const std::array<EscapeRule, 2> kEscapeRules;
extern const std::array<EmphasisRule, 2> kEmphasisRules;
extern const std::array<char, 9> kClosingPunctuation;
extern const std::array<LineRule, 12> kLineRules;

enum class BlockState { None, Opened, Inside, Closed };
enum class TableState { None, InTable, Ended };

// What carries over from one line to the next; a new document starts from the default.
struct DocumentState {
    BlockState block = BlockState::None;
    std::size_t blockKind = 0;  // index into kBlockKinds while a block is open
    TableState table = TableState::None;
};

// The bytes the passes' markers are told by: the first byte of every block, link, emphasis and line-rule
// marker that may stand anywhere in a line, and the ":" of a bare address.
inline constexpr std::string_view kTrackedBytes = "[]$=_:-<>|{}";

inline constexpr std::array<std::uint32_t, 256> kMarkBits = [] {
    std::array<std::uint32_t, 256> bits{};
    for (std::size_t i = 0; i < kTrackedBytes.size(); ++i) {
        bits[static_cast<unsigned char>(kTrackedBytes[i])] = std::uint32_t{1} << i;
    }
    return bits;
}();

// Which tracked bytes a line may hold. A pass whose marker begins with a byte the line does not hold cannot
// apply, so it is skipped without a search; most lines of a note hold few of them. The line is scanned once;
// every rewrite adds the bytes of what it inserts, so a byte in the line is always marked (one that a rewrite
// removed may still be: scanning the whole line again after each rewrite costs more than it saves). Bytes
// that are not tracked count as present, and so does everything before the first scan.
class LineMarks {
public:
    void Scan(std::string_view text)
    {
        bits_ = 0;
        Add(text);
    }
    void Add(std::string_view text)
    {
        // Four at a time: every line of a note is scanned.
        std::uint32_t a = bits_, b = 0, c = 0, d = 0;
        std::size_t i = 0;
        for (; i + 4 <= text.size(); i += 4) {
            a |= Bit(text[i]);
            b |= Bit(text[i + 1]);
            c |= Bit(text[i + 2]);
            d |= Bit(text[i + 3]);
        }
        for (; i < text.size(); ++i) a |= Bit(text[i]);
        bits_ = a | b | c | d;
    }
    bool None() const { return bits_ == 0; }
    bool Has(char c) const
    {
        const std::uint32_t bit = Bit(c);
        return bit == 0 || (bits_ & bit) != 0;
    }

private:
    static std::uint32_t Bit(char c) { return kMarkBits[static_cast<unsigned char>(c)]; }

    std::uint32_t bits_ = ~std::uint32_t{0};
};

// The copy of one line that the passes work on.
struct LineWork {
    LineWork() = default;
    LineWork(std::string line, bool lineBreakDecision) : text(std::move(line)), lineBreak(lineBreakDecision) {}

    std::string text;
    bool lineBreak = true;  // the line-rule pass may decide that a changed line gets no "<br/>"
    LineMarks marks;        // of text
    std::string scratch;    // a second buffer for rewrites that build the line anew, kept from line to line
    std::string href;       // the href of the link being written
};

// Small text helpers shared by the passes. Letters are folded as ASCII only: the text is in the system code
// page and bytes above 127 are compared as they are.
constexpr char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string CutText(std::string_view text, std::size_t max);
std::string TrimBlanks(std::string_view text);
// The same without a copy: a view into text.
std::string_view TrimBlankView(std::string_view text);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Replaces count characters at pos by with, then cuts the line to kMaxLine.
void Rewrite(std::string& line, std::size_t pos, std::size_t count, std::string_view with);
// The same on the working line, whose marks gain the bytes of with.
void Rewrite(LineWork& work, std::size_t pos, std::size_t count, std::string_view with);
// A line built in one go is cut to kMaxLine like any other rewrite.
void CutToLine(std::string& line);
// The href of a link target (WikiLinkHref), appended to out.
void AppendLinkHref(std::string& out, std::string_view target);
// Replaces count characters at pos by "<a " class part "href=\"" work.href "\">" label "</a>" and tail, then
// cuts the line to kMaxLine. label may be a view into the line.
void RewriteAsAnchor(LineWork& work, std::size_t pos, std::size_t count, std::string_view label, std::string_view tail);

// The passes. Block and table passes run once per line and carry state; the others are repeated.
bool BlockPass(LineWork& work, DocumentState& state);
bool EscapePass(LineWork& work);
enum class TableResult { NotRow, Row, Ended };
TableResult TablePass(LineWork& work, DocumentState& state);
bool DoubleLinkPass(LineWork& work);
bool SingleLinkPass(LineWork& work);
bool EmphasisPass(LineWork& work);
bool LineRulePass(LineWork& work);

// Whether a line starting with this byte may be changed by a line rule that applies at the line start.
bool MayStartLineRule(char first);

using LinePass = bool (*)(LineWork&);
// Runs the pass until it reports no change; true when it changed the line at least once.
bool RepeatPass(LinePass pass, LineWork& work);

// The line pipeline. A changed line is appended to out (with its line break) and true returned; an unchanged
// line is left for the caller to write. A table that ends before this line has its closing tag written first.
// The document loop passes the same work from line to line, so that its buffer is allocated once per note.
bool ConvertLine(std::string_view line, DocumentState& state, LineWork& work, std::string& out);
bool ConvertLine(std::string_view line, DocumentState& state, std::string& out);

}  // namespace pw::wiki
