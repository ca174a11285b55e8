// Arbitrary text as a cron mask: the first six bytes pick the moment, the rest is the mask. The
// one-pass match must agree with matching the words one by one.

#include "alarms/CronMask.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6) return 0;
    TAlarmStamp stamp;
    stamp.Minute = data[0] % 61;
    stamp.Hour = data[1] % 25;
    stamp.Day = data[2] % 33;
    stamp.DayOfWeek = data[3] % 9;
    stamp.Month = data[4] % 14;
    stamp.Year = static_cast<std::uint16_t>(1990 + data[5]);
    const std::string_view mask(reinterpret_cast<const char*>(data + 6), size - 6);

    const unsigned values[5] = {stamp.Minute, stamp.Hour, stamp.Day, stamp.DayOfWeek, stamp.Month};
    bool each = true;
    for (int n = 1; n <= 5; ++n) each = each && MatchCronField(NthWord(mask, n), values[n - 1]);
    if (MatchCronMask(mask, stamp) != each) std::abort();
    return 0;
}
