#include "clock/TimeZones.h"

#include <memory>
#include <new>

#include "options/RegKey.h"

namespace {

void ReadZone(HKEY zones, TTimeZoneInfo& entry)
{
    TRegKey zone = TRegKey::Open(zones, entry.KeyName, KEY_READ);
    if (!zone) return;
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

void FreeTimeZones(TOvList<TTimeZoneInfo>& list)
{
    for (int i = 0; i < list.Count(); ++i) delete list.Items(i);
    list.Clear();
}
