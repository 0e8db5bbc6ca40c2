#include "render/win/render_state.h"

namespace pw {
namespace {

RenderState* g_state = nullptr;  // the main window's, while it lives

}  // namespace

void AttachRenderState(RenderState* state)
{
    g_state = state;
}

RenderState& RenderArea()
{
    return *g_state;
}

}  // namespace pw
