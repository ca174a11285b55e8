#pragma once
// Where a new message window goes so that it hides none of those already open.

#include <vector>

// A window's rectangle in screen pixels.
struct TPlace {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TPlace&, const TPlace&) = default;
};

// From the place the system proposed, down and right by step for as long as the window would
// cover one of the open ones whole. A step that would leave the work area starts again at its top
// left corner.
TPlace CascadePlace(const TPlace& proposed, const std::vector<TPlace>& open, int step, const TPlace& workArea);
