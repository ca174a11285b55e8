#include "clock/ZonePick.h"

int LastMatchingZone(const TOvList<TTimeZoneInfo>& zones, const TTimeZoneBlock& zone)
{
    int found = -1;
    for (int i = 0; i < zones.Count(); ++i)
        if (zones.Items(i)->TZI.SameBytes(zone)) found = i;
    return found;
}

std::string AliasFromPick(const std::string& aliasText)
{
    // Older systems name zones "(GMT...", current ones "(UTC...".
    if (aliasText.rfind("(GMT", 0) != 0 && aliasText.rfind("(UTC", 0) != 0) return aliasText;
    std::size_t close = aliasText.find(')');
    return close == std::string::npos ? std::string() : aliasText.substr(0, close + 1);
}
