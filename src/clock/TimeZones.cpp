#include "clock/TimeZones.h"

#include <memory>
#include <new>
#include <string>

#include "base/RegKey.h"

namespace {

bool ReadDword(HKEY key, const char* name, DWORD& value)
{
    DWORD size = sizeof value;
    DWORD type = 0;
    return RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD && size == sizeof value;
}

bool ReadRule(HKEY key, const char* name, TZoneRule& rule)
{
    BYTE value[TziValueSize] = {};
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, nullptr, value, &size) != ERROR_SUCCESS) return false;
    rule = DecodeZoneRule(value, size);
    return true;
}

// The zone's "TZI" value and, where the system has them, its per-year rules ("Dynamic DST":
// FirstEntry, LastEntry and one value per year). A year without its value takes the zone's rules.
TZoneRules ReadRules(HKEY zone)
{
    TZoneRules rules;
    ReadRule(zone, "TZI", rules.Rule);
    TRegKey dynamic = TRegKey::Open(zone, "Dynamic DST", KEY_READ);
    DWORD first = 0, last = 0;
    if (!dynamic || !ReadDword(dynamic.Handle(), "FirstEntry", first) || !ReadDword(dynamic.Handle(), "LastEntry", last))
        return rules;
    // Broken bounds are ignored rather than trusted with a huge loop.
    if (first < 1601 || last < first || last > 9999 || last - first > 500) return rules;
    rules.FirstYear = static_cast<int>(first);
    for (DWORD year = first; year <= last; ++year) {
        rules.Years.push_back(rules.Rule);
        ReadRule(dynamic.Handle(), std::to_string(year).c_str(), rules.Years.back());
    }
    return rules;
}

void ReadZone(HKEY zones, TTimeZoneInfo& entry)
{
    TRegKey zone = TRegKey::Open(zones, entry.KeyName, KEY_READ);
    if (!zone) return;
    entry.Rules = ReadRules(zone.Handle());
    BYTE buffer[100] = {};
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(zone.Handle(), "Display", nullptr, nullptr, buffer, &size) == ERROR_SUCCESS)
        entry.DisplayName.assign(reinterpret_cast<const char*>(buffer), strnlen(reinterpret_cast<const char*>(buffer), size));
    BYTE tzi[100] = {};
    size = sizeof tzi;
    if (RegQueryValueExA(zone.Handle(), "TZI", nullptr, nullptr, tzi, &size) == ERROR_SUCCESS)
        DecodeTzi(tzi, TziValueSize, entry.TZI);
}

}  // namespace

const char* DefaultTimeZonesKey()
{
    OSVERSIONINFOA info{sizeof(info)};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    bool nt = GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
    return nt ? "Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones"
              : "Software\\Microsoft\\Windows\\CurrentVersion\\Time Zones";
}

bool GetTimeZones(TOvList<TTimeZoneInfo>& list, HKEY root, const char* keyPath)
{
    TRegKey zones = TRegKey::Open(root, keyPath ? keyPath : DefaultTimeZonesKey(), KEY_READ);
    if (!zones) return false;
    try {
        for (DWORD index = 0;; ++index) {
            auto entry = std::make_unique<TTimeZoneInfo>();
            char name[100];
            DWORD length = sizeof name;
            LONG rc = RegEnumKeyExA(zones.Handle(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (rc == ERROR_NO_MORE_ITEMS) break;
            // A name that does not fit, or any other failure: that zone is left out.
            if (rc != ERROR_SUCCESS) continue;
            entry->KeyName.assign(name, length);
            ReadZone(zones.Handle(), *entry);
            list.Add(entry.get());
            entry.release();
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void RereadZoneRules(TOvList<TTimeZoneInfo>& list, HKEY root, const char* keyPath)
{
    TRegKey zones = TRegKey::Open(root, keyPath ? keyPath : DefaultTimeZonesKey(), KEY_READ);
    if (!zones) return;
    for (int i = 0; i < list.Count(); ++i) {
        TTimeZoneInfo& entry = *list.Items(i);
        TRegKey zone = TRegKey::Open(zones.Handle(), entry.KeyName, KEY_READ);
        // A zone that has gone keeps the rules it had.
        if (zone) entry.Rules = ReadRules(zone.Handle());
    }
}

void FreeTimeZones(TOvList<TTimeZoneInfo>& list)
{
    for (int i = 0; i < list.Count(); ++i) delete list.Items(i);
    list.Clear();
}
