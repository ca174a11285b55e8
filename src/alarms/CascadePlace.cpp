#include "alarms/CascadePlace.h"

#include <algorithm>

namespace {

bool Covers(const TPlace& window, const TPlace& other)
{
    return window.Left <= other.Left && window.Top <= other.Top && other.Right <= window.Right &&
           other.Bottom <= window.Bottom;
}

TPlace MovedTo(const TPlace& p, int left, int top)
{
    return {left, top, left + p.Right - p.Left, top + p.Bottom - p.Top};
}

}  // namespace

TPlace CascadePlace(const TPlace& proposed, const std::vector<TPlace>& open, int step, const TPlace& workArea)
{
    TPlace place = proposed;
    if (step <= 0) return place;
    // Each open window can push the new one on once, and once more after a return to the corner.
    for (std::size_t tries = 0; tries < 2 * (open.size() + 1); ++tries) {
        if (std::none_of(open.begin(), open.end(), [&](const TPlace& o) { return Covers(place, o); })) break;
        place = MovedTo(place, place.Left + step, place.Top + step);
        if (place.Right > workArea.Right || place.Bottom > workArea.Bottom)
            place = MovedTo(place, workArea.Left, workArea.Top);
    }
    return place;
}
