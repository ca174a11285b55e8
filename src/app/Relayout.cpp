#include "app/Relayout.h"

#include <algorithm>

int FaceHeightFor(bool showDate, bool showLabels)
{
    if (showDate && showLabels) return 45;
    if (showDate || showLabels) return 30;
    return 18;
}

TClockLayout Relayout(int faceCount, const TLayoutOptions& options)
{
    const int n = std::max(faceCount, 1);
    const int h = FaceHeightFor(options.ShowDate, options.ShowLabels);
    const int b = options.ShowCaption ? BandHeight : 0;
    const int s = options.ShowCaption ? 0 : StripWidth;

    TClockLayout layout;
    layout.FaceHeight = h;
    if (options.Vertical) {
        layout.ClientWidth = FaceWidth + s;
        layout.ClientHeight = b + h * n;
    } else {
        layout.ClientWidth = FaceWidth * n + s;
        layout.ClientHeight = b + h;
    }
    layout.Band = {0, 0, layout.ClientWidth, BandHeight};
    layout.LeftStrip = {0, b, StripWidth, layout.ClientHeight - b};
    layout.ClockArea = {s, b, layout.ClientWidth - s, layout.ClientHeight - b};
    layout.Faces.reserve(n);
    for (int i = 0; i < n; ++i) {
        if (options.Vertical)
            layout.Faces.push_back({s, b + h * i, FaceWidth, h});
        else
            layout.Faces.push_back({s + FaceWidth * i, b, FaceWidth, h});
    }
    return layout;
}
