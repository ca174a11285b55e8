#include <algorithm>
#include <cstring>

#include "clock/ZoneCities.h"

const char* ZoneCities(const std::string& keyName)
{
    const TZoneCitiesRow* end = ZoneCitiesTable + ZoneCitiesCount;
    const TZoneCitiesRow* row = std::lower_bound(ZoneCitiesTable, end, keyName, [](const TZoneCitiesRow& r, const std::string& key) {
        return std::strcmp(r.KeyName, key.c_str()) < 0;
    });
    return row != end && keyName == row->KeyName ? row->Cities : "";
}

std::string ZoneSearchText(const std::string& displayName, const std::string& keyName)
{
    const char* cities = ZoneCities(keyName);
    // A line break is no word byte, so no word runs on from the row into its cities.
    return *cities ? displayName + "\n" + cities : displayName;
}
