#include "app/WorkArea.h"

#include <algorithm>

namespace {

int PullBack(int start, int length, int areaStart, int areaEnd)
{
    if (start + length <= areaEnd) return start;
    return std::min(start, std::max(areaEnd - length, areaStart));
}

}  // namespace

TLayoutRect KeepInWorkArea(const TLayoutRect& window, const TLayoutRect& workArea)
{
    TLayoutRect placed = window;
    placed.Left = PullBack(window.Left, window.Width, workArea.Left, workArea.Right());
    placed.Top = PullBack(window.Top, window.Height, workArea.Top, workArea.Bottom());
    return placed;
}

TLayoutRect DesignedPlace(int width, int height, const TLayoutRect& workArea, int margin)
{
    const TLayoutRect corner{workArea.Right() - width - margin, workArea.Top + margin, width, height};
    TLayoutRect placed = KeepInWorkArea(corner, workArea);
    placed.Left = std::max(placed.Left, workArea.Left);
    return placed;
}
