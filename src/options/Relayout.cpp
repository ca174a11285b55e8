#include "options/Relayout.h"

#include <algorithm>

int FaceHeightFor(bool showDate, bool showLabels)
{
    if (showDate && showLabels) return 45;
    if (showDate || showLabels) return 30;
    return 18;
}

int ScaleLength(int pixels96, int dpi)
{
    return (pixels96 * dpi + 48) / 96;
}

namespace {

// A face's length: its need where the room holds it, never below the rule.
int FaceLength(int rule, int need, int room, int fixedPart, int facesAlong)
{
    if (room > 0) need = std::min(need, (room - fixedPart) / facesAlong);
    return std::max(rule, need);
}

}  // namespace

TClockLayout Relayout(int faceCount, const TLayoutOptions& options, int dpi, TFaceNeed need, TLayoutRoom room)
{
    const int n = std::max(faceCount, 1);
    const int bandHeight = ScaleLength(BandHeight, dpi);
    const int stripWidth = ScaleLength(StripWidth, dpi);
    const int b = options.ShowCaption ? bandHeight : 0;
    const int s = options.ShowCaption ? 0 : stripWidth;
    const int h = FaceLength(ScaleLength(FaceHeightFor(options.ShowDate, options.ShowLabels), dpi), need.Height,
                             room.Height, b, options.Vertical ? n : 1);
    const int faceWidth = FaceLength(ScaleLength(FaceWidth, dpi), need.Width, room.Width, s, options.Vertical ? 1 : n);

    TClockLayout layout;
    layout.FaceHeight = h;
    if (options.Vertical) {
        layout.ClientWidth = faceWidth + s;
        layout.ClientHeight = b + h * n;
    } else {
        layout.ClientWidth = faceWidth * n + s;
        layout.ClientHeight = b + h;
    }
    layout.Band = {0, 0, layout.ClientWidth, bandHeight};
    layout.LeftStrip = {0, b, stripWidth, layout.ClientHeight - b};
    layout.ClockArea = {s, b, layout.ClientWidth - s, layout.ClientHeight - b};
    layout.Faces.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (options.Vertical)
            layout.Faces.push_back({s, b + h * i, faceWidth, h});
        else
            layout.Faces.push_back({s + faceWidth * i, b, faceWidth, h});
    }
    return layout;
}
