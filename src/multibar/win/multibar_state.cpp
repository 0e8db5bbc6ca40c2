#include "multibar/win/multibar_state.h"

#include "settings/limits.h"

namespace pw {
namespace {

MultibarState* g_state = nullptr;  // the main window's, while it lives

}  // namespace

void AttachMultibarState(MultibarState* state)
{
    g_state = state;
}

MultibarState& MultibarArea()
{
    return *g_state;
}

const UpperTable& SystemUpperTable()
{
    MultibarState& state = MultibarArea();
    if (!state.upperReady) {
        // One byte at a time: the search maps each byte of a text through this table and never converts
        // a copy of the text.
        for (int i = 0; i < 256; ++i) {
            char c = static_cast<char>(i);
            CharUpperBuffA(&c, 1);
            state.upper[i] = static_cast<unsigned char>(c);
        }
        state.upperReady = true;
    }
    return state.upper;
}

std::string MultibarText()
{
    HWND bar = g_state ? g_state->multibar : nullptr;
    char text[kMaxText + 1] = {};
    if (bar) GetWindowTextA(bar, text, sizeof(text));
    return text;
}

void SetMultibarText(const std::string& text)
{
    if (g_state && g_state->multibar) SetWindowTextA(g_state->multibar, Cut(text).c_str());
}

}  // namespace pw
