#include "alarms/CronSearch.h"

#include "alarms/CronMask.h"
#include "base/DateTime.h"

namespace {

constexpr std::int64_t MinutesOfDay = SecondsPerDay / 60;

// The values a field admits, read in one pass: as MatchCronField would answer for each, since
// a mask is read for every cron alarm whenever the next ring is reckoned.
template <std::size_t N>
bool Fill(bool (&admitted)[N], std::string_view field, unsigned first)
{
    if (field == "*") {
        for (unsigned v = first; v < N; ++v) admitted[v] = true;
        return first < N;
    }
    bool any = false;
    std::size_t start = 0;
    while (start <= field.size()) {
        std::size_t comma = field.find(',', start);
        if (comma == std::string_view::npos) comma = field.size();
        const std::string_view item = field.substr(start, comma - start);
        // A value's own decimal digits, without leading zeros.
        unsigned v = 0;
        bool number = !item.empty() && item.size() <= 3 && (item.size() == 1 || item[0] != '0');
        for (char c : item) {
            number = number && c >= '0' && c <= '9';
            v = v * 10 + static_cast<unsigned>(c - '0');
        }
        if (number && v >= first && v < N) any = admitted[v] = true;
        start = comma + 1;
    }
    return any;
}

}  // namespace

TCronPattern::TCronPattern(std::string_view mask)
{
    const bool any = Fill(minutes_, NthWord(mask, 1), 0) & Fill(hours_, NthWord(mask, 2), 0) &
                     Fill(days_, NthWord(mask, 3), 1) & Fill(weekdays_, NthWord(mask, 4), 1) &
                     Fill(months_, NthWord(mask, 5), 1);
    // A day of a month that has it comes on every day of the week within the 400 years the
    // calendar takes to repeat, so only the day and the month can rule out every minute.
    constexpr int LeapYear = 2000;
    bool someDay = false;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(LeapYear, month); ++day) someDay |= months_[month] && days_[day];
    empty_ = !any || !someDay;
}

bool TCronPattern::DayAdmitted(std::int64_t day) const
{
    const TSystemTime date = RecordOfSeconds(day * SecondsPerDay);
    return months_[date.wMonth] && days_[date.wDay] && weekdays_[date.wDayOfWeek + 1];
}

std::optional<std::int64_t> TCronPattern::LatestIn(std::int64_t from, std::int64_t to) const
{
    if (empty_ || from > to) return std::nullopt;
    const std::int64_t firstMinute = FloorDiv(from, 60), lastMinute = FloorDiv(to, 60);
    for (std::int64_t day = DayOfSeconds(to); day >= DayOfSeconds(from); --day) {
        if (!DayAdmitted(day)) continue;
        for (int hour = 23; hour >= 0; --hour) {
            if (!hours_[hour]) continue;
            for (int minute = 59; minute >= 0; --minute) {
                const std::int64_t m = day * MinutesOfDay + hour * 60 + minute;
                if (minutes_[minute] && m >= firstMinute && m <= lastMinute) return m * 60;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::int64_t> TCronPattern::NextAfter(std::int64_t moment, std::int64_t days) const
{
    if (empty_) return std::nullopt;
    const std::int64_t firstMinute = FloorDiv(moment, 60) + 1;
    const std::int64_t firstDay = FloorDiv(firstMinute, MinutesOfDay);
    for (std::int64_t day = firstDay; day <= firstDay + days; ++day) {
        if (!DayAdmitted(day)) continue;
        for (int hour = 0; hour < 24; ++hour) {
            if (!hours_[hour]) continue;
            for (int minute = 0; minute < 60; ++minute) {
                const std::int64_t m = day * MinutesOfDay + hour * 60 + minute;
                if (minutes_[minute] && m >= firstMinute) return m * 60;
            }
        }
    }
    return std::nullopt;
}
