#pragma once
// What the geometry rule is given of the faces' text; below the clock, which measures it.

// The least size, in pixels at the window's DPI, in which a face's text fits inside its bevels.
struct TFaceNeed {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TFaceNeed&, const TFaceNeed&) = default;
};
