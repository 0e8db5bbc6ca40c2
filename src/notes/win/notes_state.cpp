#include "notes/win/notes_state.h"

namespace pw {
namespace {

NotesState* g_state = nullptr;  // the main window's, while it lives

}  // namespace

void AttachNotesState(NotesState* state)
{
    g_state = state;
}

NotesState& NotesArea()
{
    return *g_state;
}

DocumentState& Doc()
{
    return g_state->doc;
}

}  // namespace pw
