#pragma once
// The one-line text of an alarm in the alarm list.

#include <optional>
#include <string>

#include "alarms/Alarm.h"

// The user's date and time formats, as the platform gives them.
class TDateTimeFormatter {
public:
    virtual std::string LongTime(const TSystemTime& time) const = 0;
    virtual std::string ShortDate(const TSystemTime& date) const = 0;

protected:
    ~TDateTimeFormatter() = default;
};

// Name, then in parentheses: the time (usual), the date and time with the time left out at
// exactly midnight (reminder), or the mask as typed (cron). None for a kind it doesn't know.
// A usual alarm or reminder whose SignalTime is no valid date and time fails with EConvertError.
std::optional<std::string> AlarmRowText(const TAlarm& alarm, const TDateTimeFormatter& format);
