// The line pipeline: block pass, escaping inside blocks, table pass, then the inline passes, each repeated until
// it no longer changes the line.
#include "render/wiki.h"
#include "render/wiki_engine.h"

namespace pw::wiki {
namespace {

// Every rewrite of a repeated pass consumes at least one marker that no rewrite creates: a "<" or ">" after the
// block's opening tag, a "][", a "]" (bracket links; a bare address is linked once and then stands after `="`),
// a pair of emphasis markers, or a line-rule marker. A line holds at most kMaxLine of them, so this bound is
// never reached by the rules as they are; it only guarantees that a rule added later cannot loop forever.
constexpr std::size_t kMaxRepeats = kMaxLine + 1;

// The inline passes, in the order they run.
constexpr LinePass kInlinePasses[] = {DoubleLinkPass, SingleLinkPass, EmphasisPass, LineRulePass};

// The first line after a table closes it before it is written.
void EndTable(DocumentState& state, std::string& out)
{
    out += "</table><br/>\n";
    state.table = TableState::None;
}

}  // namespace

bool RepeatPass(LinePass pass, LineWork& work)
{
    bool changed = false;
    for (std::size_t i = 0; i < kMaxRepeats && pass(work); ++i) changed = true;
    return changed;
}

bool ConvertLine(std::string_view line, DocumentState& state, std::string& out)
{
    LineWork work;
    return ConvertLine(line, state, work, out);
}

bool ConvertLine(std::string_view line, DocumentState& state, LineWork& work, std::string& out)
{
    work.marks.Scan(line);
    // Outside a block, a line without any marker byte that starts no line rule (nor a row: "|" is a marker
    // byte) is left as it is by every pass, and is not even copied. Many lines of a note are such lines.
    if (state.block == BlockState::None && work.marks.None() && (line.empty() || !MayStartLineRule(line[0]))) {
        if (state.table == TableState::InTable) EndTable(state, out);
        return false;
    }
    work.text.assign(line);
    work.lineBreak = true;
    bool changed = BlockPass(work, state);
    if (state.block == BlockState::Closed) {
        state.block = BlockState::None;
        changed = true;
    } else if (state.block == BlockState::Inside) {
        changed |= RepeatPass(EscapePass, work);
    }

    switch (TablePass(work, state)) {
        case TableResult::Row:
            changed = true;
            break;
        case TableResult::Ended:
            EndTable(state, out);
            break;
        case TableResult::NotRow:
            break;
    }

    if (state.block != BlockState::Inside) {
        for (LinePass pass : kInlinePasses) changed |= RepeatPass(pass, work);
    }
    if (!changed) return false;
    // Table rows keep their own "</tr>\n"; headers keep their line end for the Markdown step.
    if (state.table != TableState::InTable && work.lineBreak) AppendLineBreak(work.text, BreakStyle::Html);
    out += work.text;
    return true;
}

}  // namespace pw::wiki
