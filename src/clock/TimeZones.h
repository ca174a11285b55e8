#pragma once
// The catalogue of the system's time zones, read once from the registry.

#include <windows.h>

#include "base/OvList.h"
#include "clock/TimeZoneBlock.h"

// The zone key of this platform family under HKEY_LOCAL_MACHINE.
const char* DefaultTimeZonesKey();

// Appends one entry per zone sub-key in enumeration order, names and values read whole; a zone
// whose "Display" is not text or whose "TZI" is not binary is left out. False when the key can't
// be opened or memory runs out (the entries appended so far stay). The entries belong to the
// caller, who frees them with FreeTimeZones.
bool GetTimeZones(TOvList<TTimeZoneInfo>& list, HKEY root = HKEY_LOCAL_MACHINE, const char* keyPath = nullptr);
// Reads every entry's Rules again from its zone's sub-key (after the system's zones were updated).
// The entries, their order and their blocks stay as they are.
void RereadZoneRules(TOvList<TTimeZoneInfo>& list, HKEY root = HKEY_LOCAL_MACHINE, const char* keyPath = nullptr);
void FreeTimeZones(TOvList<TTimeZoneInfo>& list);
