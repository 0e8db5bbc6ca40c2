// The passes that carry state from line to line: blocks (pre, centered and raw blocks) with the escaping of
// their content, and tables.
#include "render/wiki_engine.h"

#include <algorithm>

namespace pw::wiki {
namespace {

constexpr auto npos = std::string::npos;

bool OpenBlock(LineWork& work, DocumentState& state)
{
    std::string& line = work.text;
    for (std::size_t kind = 0; kind < kBlockKinds.size(); ++kind) {
        const BlockKind& row = kBlockKinds[kind];
        if (!work.marks.Has(row.open.front())) continue;
        std::size_t at = line.find(row.open);
        if (at == npos) continue;
        Rewrite(work, at, row.open.size(), row.openTag);
        state.block = BlockState::Opened;
        state.blockKind = kind;
        return true;
    }
    return false;
}

// Where escaping starts: right after the block's own opening tag, so that the tag stays markup.
std::size_t EscapeStart(std::string_view line)
{
    for (std::string_view tag : {std::string_view("<pre>"), std::string_view("<center>")}) {
        std::size_t at = line.find(tag);
        if (at != npos) return at + tag.size();
    }
    return 0;
}

// Longer than any entry of kEscapeRules.
constexpr std::size_t kMaxEntity = 8;

std::string_view EscapedCharacters()
{
    static const std::string characters = [] {
        std::string list;
        for (const EscapeRule& rule : kEscapeRules) list += rule.ch;
        return list;
    }();
    return characters;
}

std::string_view EntityFor(char c)
{
    for (const EscapeRule& rule : kEscapeRules) {
        if (rule.ch == c) return rule.entity;
    }
    return {};
}

// The pieces of a row: a run of "|" is one separator and a leading "|" opens no piece, so the only empty piece
// is the last one, the text after a final "|". at is a separator's position, the row's end once the last piece
// has been taken. Each piece is cut to kMaxCell characters.
bool NextTablePiece(std::string_view row, std::size_t& at, std::string_view& piece)
{
    if (at >= row.size()) return false;
    std::size_t start = std::min(row.find_first_not_of('|', at), row.size());
    at = std::min(row.find('|', start), row.size());
    piece = row.substr(start, std::min(at - start, kMaxCell));
    return true;
}

}  // namespace

bool BlockPass(LineWork& work, DocumentState& state)
{
    std::string& line = work.text;
    bool changed = false;
    if (state.block == BlockState::None) changed = OpenBlock(work, state);
    if (state.block != BlockState::Opened && state.block != BlockState::Inside) return changed;
    // The closing marker may stand anywhere, even before the opening one, so an opened block is looked at
    // again on its rewritten line.
    const BlockKind& kind = kBlockKinds[state.blockKind];
    std::size_t at = work.marks.Has(kind.close.front()) ? line.find(kind.close) : npos;
    if (at == npos) {
        state.block = BlockState::Inside;
        return changed;
    }
    Rewrite(work, at, kind.close.size(), kind.closeTag);
    state.block = BlockState::Closed;
    return true;
}

bool EscapePass(LineWork& work)
{
    if (!work.marks.Has('<') && !work.marks.Has('>')) return false;
    // Replacing the first "<", then the next, and only then the first ">", each followed by the cut to
    // kMaxLine, gives the same line as one walk that replaces both as they come and stops once the line is
    // full: no entity holds an escaped character, and the cut only ever drops the end. The walk costs one
    // pass instead of one search and one move of the line per character.
    const std::string& text = work.text;
    const std::size_t start = EscapeStart(text);
    std::size_t at = text.find_first_of(EscapedCharacters(), start);
    if (at == npos) return false;
    std::string& escaped = work.scratch;
    escaped.clear();
    escaped.reserve(kMaxLine + kMaxEntity);
    escaped.append(text, 0, at);
    for (; at < text.size() && escaped.size() < kMaxLine; ++at) {
        const std::string_view entity = EntityFor(text[at]);
        if (entity.empty()) {
            escaped += text[at];
        } else {
            escaped += entity;
        }
    }
    CutToLine(escaped);
    work.text.swap(escaped);
    for (const EscapeRule& rule : kEscapeRules) work.marks.Add(rule.entity);
    return true;
}

TableResult TablePass(LineWork& work, DocumentState& state)
{
    const std::string& line = work.text;
    if (line.empty() || line[0] != '|') {
        return state.table == TableState::InTable ? TableResult::Ended : TableResult::NotRow;
    }
    std::string& row = work.scratch;
    row.clear();
    row += state.table == TableState::None ? "<table><tr>" : "<tr>";
    state.table = TableState::InTable;
    // Every piece but the last becomes a cell; the last is what follows the last "|", normally the line end,
    // and goes after the row. So a piece is written only once the next one is known to exist.
    std::size_t at = 0;
    std::string_view last;
    NextTablePiece(line, at, last);
    bool full = false;
    std::string_view next;
    for (std::size_t count = 1; count < kMaxTablePieces && NextTablePiece(line, at, next); ++count) {
        if (!full) {
            row += "<td>";
            row += last;
            row += "</td>";
            full = row.size() > kMaxLine;
        }
        last = next;
    }
    row += "</tr>\n";
    row += last;
    CutToLine(row);
    work.text.swap(row);
    work.marks.Add("<table><tr><td></td></tr>\n");  // the tags a row is built with
    return TableResult::Row;
}

}  // namespace pw::wiki
