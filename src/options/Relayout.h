#pragma once
// The clock window's geometry: every face 75 wide, the caption band 22 high across the top or,
// without it, the 8-pixel strip on the left, faces in a row or a column. Faces whose text needs
// more room all grow to the largest need, but not past the room the window has.

#include <vector>

#include "options/FaceNeed.h"

struct TLayoutRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    // Inclusive on all four edges, as the window's hit test wants it.
    bool ContainsInclusive(int x, int y) const
    {
        return Left <= x && x <= Right() && Top <= y && y <= Bottom();
    }
    friend bool operator==(const TLayoutRect&, const TLayoutRect&) = default;
};

struct TLayoutOptions {
    bool Vertical = false;
    bool ShowCaption = true;
    bool ShowDate = false;
    bool ShowLabels = false;
};

struct TClockLayout {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int FaceHeight = 0;
    TLayoutRect Band;       // caption picture and title, at the client's top-left corner
    TLayoutRect LeftStrip;  // the strip shown instead of the band
    TLayoutRect ClockArea;
    std::vector<TLayoutRect> Faces;  // client coordinates; the local face first
};

constexpr int FaceWidth = 75;
constexpr int BandHeight = 22;
constexpr int StripWidth = 8;

// 18 for one line (the time), 30 for two, 45 for three.
int FaceHeightFor(bool showDate, bool showLabels);

// A length at 96 DPI at another DPI, halves rounded up.
int ScaleLength(int pixels96, int dpi);

// The most room the client may take, its monitor's work area; 0 leaves a length unbounded.
struct TLayoutRoom {
    int Width = 0;
    int Height = 0;
};

// faceCount counts the local face too (at least 1). Every length is scaled to dpi first, so a row
// of n faces is always n times one face's width. The scaled face size is the least a face gets:
// where need is larger, every face takes it, as far as the room allows.
TClockLayout Relayout(int faceCount, const TLayoutOptions& options, int dpi = 96, TFaceNeed need = {},
                      TLayoutRoom room = {});
