#pragma once
// The clock window grows to the right and downwards; near a screen edge that would push it off
// its monitor. It moves back left or up instead.

#include "options/Relayout.h"

// The window's place after a size change: moved left or up just enough to bring its right and
// bottom edges into the work area, never further left or up than the work area's own edges, and
// never right or down.
TLayoutRect KeepInWorkArea(const TLayoutRect& window, const TLayoutRect& workArea);

// The window's first place: margin in from the work area's top right corner, moved left or up as
// far as needed to bring it wholly inside, never past the work area's left or top edge.
TLayoutRect DesignedPlace(int width, int height, const TLayoutRect& workArea, int margin);
