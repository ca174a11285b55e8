#include "alarms/AlarmRowText.h"

#include <gtest/gtest.h>

#include "../support/Moments.h"

#include <cstdio>
#include <string>

namespace {

// h:mm:ss and d/m/yyyy, so that the tests read like the user's formats.
class TPlainFormat : public TDateTimeFormatter {
public:
    std::string LongTime(const TSystemTime& t) const override
    {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
        return buf;
    }
    std::string ShortDate(const TSystemTime& d) const override
    {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%u/%u/%u", d.wDay, d.wMonth, d.wYear);
        return buf;
    }
};

TEST(AlarmRowText, ByKind)
{
    struct Case {
        std::uint8_t kind;
        TSystemTime time;
        const char* mask;
        const char* row;  // null: no row
    } cases[] = {
        {akUsual, Moment(2026, 12, 8, 7, 30, 0), "", "Wake (7:30:00)"},
        {akUsual, Moment(2026, 12, 8, 0, 0, 0), "", "Wake (0:00:00)"},
        {akReminder, Moment(2026, 12, 24, 18, 5, 9), "", "Wake (24/12/2026 18:05:09)"},
        {akReminder, Moment(2026, 12, 24, 0, 0, 0), "", "Wake (24/12/2026)"},
        {akReminder, Moment(2026, 12, 24, 0, 0, 1), "", "Wake (24/12/2026 0:00:01)"},
        {akReminder, Moment(2026, 12, 24, 0, 0, 0, 5), "", "Wake (24/12/2026 0:00:00)"},
        // The mask as typed; the signal time is never looked at.
        {akCron, TSystemTime{}, "0;12 *\t* * *", "Wake (0;12 *\t* * *)"},
        {akCron, Moment(2026, 1, 1, 0, 0, 0), "", "Wake ()"},
        {3, Moment(2026, 1, 1, 0, 0, 0), "", nullptr},
        {255, TSystemTime{}, "", nullptr},
    };
    TPlainFormat format;
    for (const auto& c : cases) {
        TAlarm alarm;
        alarm.Name = "Wake";
        alarm.Kind = static_cast<TAlarmKind>(c.kind);
        alarm.SignalTime = c.time;
        alarm.CronMask = c.mask;
        auto row = AlarmRowText(alarm, format);
        if (c.row) {
            ASSERT_TRUE(row.has_value()) << c.row;
            EXPECT_EQ(*row, c.row);
        } else {
            EXPECT_FALSE(row.has_value()) << *row;
        }
    }
}

TEST(AlarmRowText, UsualAndReminderNeedAValidDateAndTime)
{
    TPlainFormat format;
    for (auto kind : {akUsual, akReminder}) {
        // Written field by field: Moment takes only real dates.
        for (const TSystemTime& bad : {TSystemTime{}, TSystemTime{2026, 2, 0, 30, 8}, TSystemTime{2026, 13, 0, 1, 8},
                                       Moment(2026, 1, 1, 24, 0, 0), Moment(2026, 1, 1, 8, 60, 0)}) {
            TAlarm alarm;
            alarm.Kind = kind;
            alarm.SignalTime = bad;
            EXPECT_THROW(AlarmRowText(alarm, format), EConvertError) << int(kind) << ' ' << bad.wMonth;
        }
    }
}

}  // namespace
