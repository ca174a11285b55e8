#include "clock/TimeZones.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "base/RegKey.h"

namespace {

const std::uint8_t* Bytes(const std::string& data)
{
    return reinterpret_cast<const std::uint8_t*>(data.data());
}

bool ReadDword(const TRegKey& key, const char* name, DWORD& value)
{
    std::string data;
    DWORD type = REG_NONE;
    if (!key.ReadData(name, data, &type) || type != REG_DWORD || data.size() != sizeof value) return false;
    std::memcpy(&value, data.data(), sizeof value);
    return true;
}

// A rule stored as anything but bytes is taken as missing.
bool ReadRule(const TRegKey& key, const char* name, TZoneRule& rule)
{
    std::string data;
    DWORD type = REG_NONE;
    if (!key.ReadData(name, data, &type) || type != REG_BINARY) return false;
    rule = DecodeZoneRule(Bytes(data), data.size());
    return true;
}

// The zone's "TZI" value and, where the system has them, its per-year rules ("Dynamic DST":
// FirstEntry, LastEntry and one value per year). A year without its value takes the zone's rules.
TZoneRules ReadRules(const TRegKey& zone)
{
    TZoneRules rules;
    ReadRule(zone, "TZI", rules.Rule);
    TRegKey dynamic = TRegKey::Open(zone.Handle(), "Dynamic DST", KEY_READ);
    DWORD first = 0, last = 0;
    if (!dynamic || !ReadDword(dynamic, "FirstEntry", first) || !ReadDword(dynamic, "LastEntry", last))
        return rules;
    // Broken bounds are ignored rather than trusted with a huge loop.
    if (first < 1601 || last < first || last > 9999 || last - first > 500) return rules;
    rules.FirstYear = static_cast<int>(first);
    for (DWORD year = first; year <= last; ++year) {
        rules.Years.push_back(rules.Rule);
        ReadRule(dynamic, std::to_string(year).c_str(), rules.Years.back());
    }
    return rules;
}

// False when the zone's name or rules are stored as a type that no zone has: a zone read from
// them would be a guess, so it is left out. A zone whose values are missing is kept as it is.
bool ReadZone(HKEY zones, TTimeZoneInfo& entry)
{
    TRegKey zone = TRegKey::Open(zones, entry.KeyName, KEY_READ);
    if (!zone) return true;
    std::string data;
    DWORD type = REG_NONE;
    if (zone.ReadData("Display", data, &type)) {
        if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
        entry.DisplayName = data.substr(0, data.find('\0'));
    }
    if (zone.ReadData("TZI", data, &type)) {
        if (type != REG_BINARY) return false;
        DecodeTzi(Bytes(data), data.size(), entry.TZI);
    }
    entry.Rules = ReadRules(zone);
    return true;
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
            const LSTATUS rc = zones.SubKeyName(index, entry->KeyName);
            if (rc == ERROR_NO_MORE_ITEMS) break;
            // A zone that can't be enumerated or read is left out; the others still come.
            if (rc != ERROR_SUCCESS || !ReadZone(zones.Handle(), *entry)) continue;
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
        if (zone) entry.Rules = ReadRules(zone);
    }
}

void FreeTimeZones(TOvList<TTimeZoneInfo>& list)
{
    for (int i = 0; i < list.Count(); ++i) delete list.Items(i);
    list.Clear();
}
