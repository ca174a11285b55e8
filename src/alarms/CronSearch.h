#pragma once
// The minutes that a cron mask admits, read once from the mask, so that a span of days (a night
// asleep, the weeks the program was closed, the year ahead) can be searched without reading the
// mask again for every minute. Moments are whole local seconds since 1970 (SecondsOf).

#include <cstdint>
#include <optional>
#include <string_view>

class TCronPattern {
public:
    explicit TCronPattern(std::string_view mask);

    // The start of the latest admitted minute that has a second in [from, to].
    std::optional<std::int64_t> LatestIn(std::int64_t from, std::int64_t to) const;
    // The start of the first admitted minute after the moment, looking no further than the days
    // given (by default the 400 years in which the calendar repeats itself, weekdays included).
    std::optional<std::int64_t> NextAfter(std::int64_t moment, std::int64_t days = 146097) const;

private:
    bool DayAdmitted(std::int64_t day) const;

    bool minutes_[60] = {};
    bool hours_[24] = {};
    bool days_[32] = {};
    bool weekdays_[8] = {};  // 1 = Sunday ... 7 = Saturday
    bool months_[13] = {};
    bool empty_ = false;  // no minute is admitted: no day need be looked at
};
