#pragma once
// Cron masks: five fields (minute, hour, day of month, day of week with 1 = Sunday, month),
// separated by spaces, tabs or semicolons. A mask is kept as typed and read afresh at every test.

#include "alarms/AlarmStamp.h"

#include <string_view>

// The n-th word (from 1) of the text, words being runs of anything but space, tab and semicolon.
// A word right after a semicolon keeps it. Empty when the text has fewer words.
std::string_view NthWord(std::string_view text, int n);

// "*" admits every value; otherwise a comma list of items, each admitting the one value whose
// plain decimal text it is.
bool MatchCronField(std::string_view field, unsigned value);

bool MatchCronMask(std::string_view mask, const TAlarmStamp& stamp);
