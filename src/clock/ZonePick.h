#pragma once
// What picking a zone for a clock means: finding the clock's zone in the catalogue, finding a
// row by what the user types, and the label the clock takes from the picker's alias field.

#include <cstdint>
#include <string>
#include <vector>

#include "base/OvList.h"
#include "clock/TimeZoneBlock.h"

// Position of the last entry whose block equals zone byte for byte, -1 if none.
int LastMatchingZone(const TOvList<TTimeZoneInfo>& zones, const TTimeZoneBlock& zone);

// The position of a face's own entry: the one with its key name, else the one at its index;
// only a face with neither is found by its block (LastMatchingZone). -1 if none.
int FaceZone(const TOvList<TTimeZoneInfo>& zones, const std::string& keyName, int index, const TTimeZoneBlock& zone);

// A zone's display text, "(GMT+02:00) Athens" or "(UTC+02:00) Athens", is cut after its first
// ")" so that a zone picked without typing is labelled with its offset alone (empty when there
// is no ")"). Any other alias stays whole.
std::string AliasFromPick(const std::string& aliasText);

// True when a word of the row (a run of letters and digits, bytes above 127 counting as
// letters) begins with typed, ignoring ASCII case; typed may run on past the word ("new d").
bool RowHasWordStarting(const std::string& row, const std::string& typed);

// The zone list's search as the user types. The rows begin with their offset, so a search by
// first letter finds nothing; this one looks at every word. Keys typed without a pause of a
// second make one text.
class TZoneTypeSearch {
public:
    static constexpr std::uint32_t PauseMs = 1000;

    // The row to select once key is typed at time (milliseconds, wrapping), -1 to keep the
    // selection. A new text looks from the row after current on, a longer one from current on,
    // so that the row found stays while it still fits.
    int Type(char key, std::uint32_t time, const std::vector<std::string>& rows, int current);

private:
    std::string typed_;
    std::uint32_t last_ = 0;
};
