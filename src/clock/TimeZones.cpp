#include "clock/TimeZones.h"

#include <memory>
#include <new>

namespace {

struct TKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using TOpenKey = std::unique_ptr<std::remove_pointer_t<HKEY>, TKeyCloser>;

TOpenKey OpenForReading(HKEY parent, const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    return TOpenKey(key);
}

void ReadZone(HKEY zones, TTimeZoneInfo& entry)
{
    TOpenKey zone = OpenForReading(zones, entry.KeyName.c_str());
    if (!zone) return;
    BYTE buffer[100] = {};
    DWORD size = sizeof buffer;
    if (RegQueryValueExA(zone.get(), "Display", nullptr, nullptr, buffer, &size) == ERROR_SUCCESS)
        entry.DisplayName.assign(reinterpret_cast<const char*>(buffer), strnlen(reinterpret_cast<const char*>(buffer), size));
    BYTE tzi[100] = {};
    size = sizeof tzi;
    if (RegQueryValueExA(zone.get(), "TZI", nullptr, nullptr, tzi, &size) == ERROR_SUCCESS)
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
    TOpenKey zones = OpenForReading(root, keyPath ? keyPath : DefaultTimeZonesKey());
    if (!zones) return false;
    try {
        for (DWORD index = 0;; ++index) {
            auto entry = std::make_unique<TTimeZoneInfo>();
            char name[100];
            DWORD length = sizeof name;
            LONG rc = RegEnumKeyExA(zones.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (rc == ERROR_NO_MORE_ITEMS) break;
            // A name that does not fit, or any other failure: that zone is left out.
            if (rc != ERROR_SUCCESS) continue;
            entry->KeyName.assign(name, length);
            ReadZone(zones.get(), *entry);
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
