#pragma once
// The cron editor's two-way translation between a mask text and the selections of its five lists.

#include <array>
#include <string>
#include <string_view>
#include <vector>

// One list per mask field, in mask order: minute, hour, day of month, day of week, month.
inline constexpr int CronFieldCount = 5;

struct TCronFieldRange {
    int First;  // the value of the list's first item
    int Count;  // how many items the list holds
};

// minute 0-59, hour 0-23, day 1-31, day of week 1-7 (Sunday first), month 1-12 (January first).
inline constexpr std::array<TCronFieldRange, CronFieldCount> CronFieldRanges{
    {{0, 60}, {0, 24}, {1, 31}, {1, 7}, {1, 12}}};

// Which items of each list are selected, by position in the list.
using TCronSelection = std::array<std::vector<bool>, CronFieldCount>;

// Every list the right length, nothing selected.
TCronSelection EmptyCronSelection();

struct TCronMaskText {
    std::string Text;
    bool OkAllowed = false;  // no field is left without a value
};

// Each field: "*" when every item is selected, "?" when none is, else the selected values in list
// order joined by commas; the fields joined by single spaces.
TCronMaskText MasksFromLists(const TCronSelection& selection);

// Adds to the selection what the text says; never takes a selection away. A piece that is not an
// integer, or has no item in its list, selects nothing and the other pieces still count.
void ListsFromMask(std::string_view text, TCronSelection& selection);
