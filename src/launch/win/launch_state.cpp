#include "launch/win/launch_state.h"

namespace pw {
namespace {

LaunchState* g_state = nullptr;  // the main window's, while it lives

}  // namespace

void AttachLaunchState(LaunchState* state)
{
    g_state = state;
}

LaunchState& LaunchArea()
{
    return *g_state;
}

}  // namespace pw
