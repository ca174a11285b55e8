#include "clock/ZoneRules.h"

#include <algorithm>
#include <optional>

namespace {

std::int32_t Le32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

TSystemTime Le16x8(const std::uint8_t* p)
{
    std::uint16_t w[8];
    for (int i = 0; i < 8; ++i) w[i] = static_cast<std::uint16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    return TSystemTime{w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7]};
}

// Whole seconds since 1899-12-30, so that moments compare exactly.
std::int64_t DaySeconds(int year, int month, int day)
{
    return static_cast<std::int64_t>(EncodeDate(year, month, day)) * SecondsPerDay;
}

std::int64_t Seconds(const TSystemTime& t)
{
    return DaySeconds(t.wYear, t.wMonth, t.wDay) + (t.wHour * 60 + t.wMinute) * 60 + t.wSecond;
}

// The local clock reading at which a transition falls in a year; none for month 0 or a date
// that can't be.
std::optional<std::int64_t> Transition(const TSystemTime& date, int year)
{
    if (date.wMonth < 1 || date.wMonth > 12 || date.wHour > 23 || date.wMinute > 59 || date.wSecond > 59)
        return std::nullopt;
    int day;
    if (date.wYear != 0) {
        year = date.wYear;
        day = date.wDay;
        if (day < 1 || day > DaysInMonth(year, date.wMonth)) return std::nullopt;
    } else {
        if (date.wDay < 1 || date.wDay > 5 || date.wDayOfWeek > 6) return std::nullopt;
        const int first = DayOfWeek(EncodeDate(year, date.wMonth, 1));
        day = 1 + (date.wDayOfWeek - first + 7) % 7 + 7 * (date.wDay - 1);
        // The fifth week means the last one.
        while (day > DaysInMonth(year, date.wMonth)) day -= 7;
    }
    // 23:59:59.999 is how the system writes "at the end of the day".
    const int ms = date.wMilliseconds >= 500 ? 1 : 0;
    return DaySeconds(year, date.wMonth, day) + (date.wHour * 60 + date.wMinute) * 60 + date.wSecond + ms;
}

}  // namespace

const TZoneRule& TZoneRules::ForYear(int year) const
{
    if (Years.empty()) return Rule;
    const int last = FirstYear + static_cast<int>(Years.size()) - 1;
    return Years[std::clamp(year, FirstYear, last) - FirstYear];
}

TZoneRule DecodeZoneRule(const std::uint8_t* data, std::size_t size)
{
    std::uint8_t raw[44] = {};
    std::copy_n(data, std::min<std::size_t>(size, sizeof raw), raw);
    TZoneRule rule;
    rule.Bias = Le32(raw + 0);
    rule.StandardBias = Le32(raw + 4);
    rule.DaylightBias = Le32(raw + 8);
    rule.StandardDate = Le16x8(raw + 12);
    rule.DaylightDate = Le16x8(raw + 28);
    return rule;
}

int ZoneOffsetAt(const TZoneRule& rule, const TSystemTime& utc)
{
    const int standard = -(rule.Bias + rule.StandardBias);
    const int daylight = -(rule.Bias + rule.DaylightBias);
    const std::int64_t now = Seconds(utc);
    const int year = DateTimeToSystemTime(static_cast<double>(now + standard * 60LL) / SecondsPerDay).wYear;
    const auto start = Transition(rule.DaylightDate, year);
    const auto end = Transition(rule.StandardDate, year);
    if (!start || !end) return standard;
    // Each date is read on the clock of the period it ends.
    const std::int64_t startUtc = *start - standard * 60LL;
    const std::int64_t endUtc = *end - daylight * 60LL;
    // In the southern hemisphere daylight time spans the new year.
    const bool inDaylight = startUtc < endUtc ? startUtc <= now && now < endUtc : now < endUtc || startUtc <= now;
    return inDaylight ? daylight : standard;
}

int ZoneRuleYear(const TZoneRules& rules, const TSystemTime& utc)
{
    return IncMinutes(utc, -(rules.Rule.Bias + rules.Rule.StandardBias)).wYear;
}

TSystemTime ZoneLocalTime(const TZoneRules& rules, const TSystemTime& utc)
{
    return IncMinutes(utc, ZoneOffsetAt(rules.ForYear(ZoneRuleYear(rules, utc)), utc));
}
