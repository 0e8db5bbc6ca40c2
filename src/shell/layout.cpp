#include "shell/layout.h"

#include <algorithm>

namespace pw {

PaneRects ComputeLayout(int width, int height, int listWidth, int statusBarHeight)
{
    const int W = width, H = height, L = listWidth, S = statusBarHeight;
    PaneRects r;
    r.half = (H - S - 49) / 2;
    const int listLeft = W - L + 2;
    r.caption = {listLeft, 32, L, 15};
    r.folderPane = {listLeft, 47, L - 2, r.half - 9};
    r.filePane = {listLeft, r.half + 40, L - 2, r.half + 8};
    r.documentPane = {0, 34, W - L - 3, H - S - 36};
    r.browserObjectWidth = W - L - 2;
    r.browserObjectHeight = H - S - 36;
    r.splitterX = W - L - 3;
    r.messageLine = {2, H - 19, W - L - 22, 17};
    r.documentAreaWidth = W - L;
    r.spacer303Width = W - L - 2 * kMultibarLeft;
    r.spacer304Width = L;
    r.rootList = {W - L, 2, L, kRootListDropHeight};
    r.multibar = {kMultibarLeft, 6, (W - L) - (2 * kMultibarLeft + 10), 20};
    return r;
}

bool IsOverSplitter(int mouseX, int splitterX)
{
    return mouseX > splitterX && mouseX < splitterX + 3;
}

int SplitterFromMouse(int mouseX)
{
    return mouseX - 3;
}

SplitterResult ReleaseSplitter(int clientWidth, int splitterX, int verticalScrollBarWidth)
{
    SplitterResult result;
    result.listWidth = clientWidth - splitterX;
    result.firstColumnWidth = std::max(result.listWidth, 200) - verticalScrollBarWidth - 2;
    return result;
}

int ListColumnWidth(int listWidth)
{
    return listWidth - 20;
}

}  // namespace pw
