#pragma once
// What picking a zone for a clock means: finding the clock's zone in the catalogue, and the
// label the clock takes from the picker's alias field.

#include <string>

#include "clock/OvList.h"
#include "clock/TimeZoneBlock.h"

// Position of the last entry whose block equals zone byte for byte, -1 if none.
int LastMatchingZone(const TOvList<TTimeZoneInfo>& zones, const TTimeZoneBlock& zone);

// A zone's display text, "(GMT+02:00) Athens" or "(UTC+02:00) Athens", is cut after its first
// ")" so that a zone picked without typing is labelled with its offset alone (empty when there
// is no ")"). Any other alias stays whole.
std::string AliasFromPick(const std::string& aliasText);
