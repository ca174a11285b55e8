#include "alarms/CronSelection.h"

#include <cstddef>

#include "alarms/CronMask.h"

namespace {

// Leading zeros are allowed; a sign, a blank or any other character is not.
bool ParseValue(std::string_view piece, int& value)
{
    if (piece.empty()) return false;
    long long v = 0;
    for (char c : piece) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        // Past every list's range already; stop before it can overflow.
        if (v > 1000) return false;
    }
    value = static_cast<int>(v);
    return true;
}

}  // namespace

TCronSelection EmptyCronSelection()
{
    TCronSelection selection;
    for (int f = 0; f < CronFieldCount; ++f) selection[f].assign(static_cast<std::size_t>(CronFieldRanges[f].Count), false);
    return selection;
}

TCronMaskText MasksFromLists(const TCronSelection& selection)
{
    TCronMaskText result;
    result.OkAllowed = true;
    for (int f = 0; f < CronFieldCount; ++f) {
        const auto& items = selection[f];
        std::string field;
        bool all = !items.empty();
        for (std::size_t p = 0; p < items.size(); ++p) {
            if (!items[p]) {
                all = false;
                continue;
            }
            if (!field.empty()) field += ',';
            field += std::to_string(CronFieldRanges[f].First + static_cast<int>(p));
        }
        if (all)
            field = "*";
        else if (field.empty()) {
            field = "?";
            result.OkAllowed = false;
        }
        if (f > 0) result.Text += ' ';
        result.Text += field;
    }
    return result;
}

void ListsFromMask(std::string_view text, TCronSelection& selection)
{
    for (int f = 0; f < CronFieldCount; ++f) {
        auto& items = selection[f];
        std::string_view word = NthWord(text, f + 1);
        if (word == "*") {
            items.assign(items.size(), true);
            continue;
        }
        while (true) {
            std::size_t comma = word.find(',');
            std::string_view piece = word.substr(0, comma);
            int value = 0;
            if (ParseValue(piece, value)) {
                int p = value - CronFieldRanges[f].First;
                if (p >= 0 && p < static_cast<int>(items.size())) items[static_cast<std::size_t>(p)] = true;
            }
            if (comma == std::string_view::npos) break;
            word.remove_prefix(comma + 1);
        }
    }
}
