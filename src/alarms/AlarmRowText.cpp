#include "alarms/AlarmRowText.h"

std::optional<std::string> AlarmRowText(const TAlarm& alarm, const TDateTimeFormatter& format)
{
    std::string detail;
    switch (alarm.Kind) {
    case akUsual:
        // The whole record must convert, although only the time of day is shown.
        SystemTimeToDateTime(alarm.SignalTime);
        detail = format.LongTime(alarm.SignalTime);
        break;
    case akReminder: {
        SystemTimeToDateTime(alarm.SignalTime);
        const TSystemTime& t = alarm.SignalTime;
        detail = format.ShortDate(t);
        if (t.wHour || t.wMinute || t.wSecond || t.wMilliseconds) detail += " " + format.LongTime(t);
        break;
    }
    case akCron:
        detail = alarm.CronMask;
        break;
    default:
        return std::nullopt;
    }
    return alarm.Name + " (" + detail + ")";
}
