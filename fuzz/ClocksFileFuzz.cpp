// Arbitrary bytes as a clocks file. What loads must be a prefix of the file's own records with
// every zone in the catalogue, a name the catalogue has must sit at its index, and the complete
// records must write and load back unchanged, trailer and all. Then the records, named, must
// find their zones in a catalogue that lost an entry and turned.

#include "app/ClocksCodec.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks the catalogue's size, so that zone indexes both pass and stop the load;
    // the second shifts its names ("0" to "255"), so that stored names move.
    const int zones = size > 0 ? data[0] : 0;
    const int shift = size > 1 ? data[1] : 0;
    TZoneKeys keys;
    for (int i = 0; i < zones; ++i) keys.push_back(std::to_string((i + shift) % 256));
    TMemoryStream file(TBytes(data, data + size));
    std::vector<TReadClock> loaded = ReadClocks(file, keys);

    // Every record needs at least 30 bytes: nothing is made from the count alone.
    if (loaded.size() > size / 30 + 1) std::abort();
    std::vector<TClockRecord> complete;
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        if (!loaded[i].Complete() && i + 1 != loaded.size()) std::abort();
        if (!loaded[i].Complete()) continue;
        const TClockRecord& r = loaded[i].Record;
        if (r.ZoneIndex < -1 || r.ZoneIndex >= zones) std::abort();
        if (r.ZoneIndex == -1 && !r.ZoneKey.empty()) std::abort();
        const bool known = std::find(keys.begin(), keys.end(), r.ZoneKey) != keys.end();
        if (!r.ZoneKey.empty() && known && keys[static_cast<std::size_t>(r.ZoneIndex)] != r.ZoneKey) std::abort();
        complete.push_back(r);
    }

    TMemoryStream written;
    if (!WriteClocks(written, complete)) std::abort();
    TMemoryStream again(written.Bytes());
    std::vector<TReadClock> reloaded = ReadClocks(again, keys);
    if (reloaded.size() != complete.size() || again.Remaining() != 0) std::abort();
    for (std::size_t i = 0; i < complete.size(); ++i)
        if (!reloaded[i].Complete() || !(reloaded[i].Record == complete[i])) std::abort();
    if (zones == 0) return 0;

    // The names are unique: fewer than 256 zones.
    std::vector<TClockRecord> named = complete;
    for (TClockRecord& r : named) r.ZoneKey = r.ZoneIndex == -1 ? std::string() : keys[static_cast<std::size_t>(r.ZoneIndex)];
    TZoneKeys moved = keys;
    moved.erase(moved.begin() + (size > 2 ? data[2] : 0) % zones);
    if (!moved.empty()) std::rotate(moved.begin(), moved.begin() + (size > 3 ? data[3] : 0) % moved.size(), moved.end());
    TMemoryStream renamed;
    if (!WriteClocks(renamed, named)) std::abort();
    TMemoryStream moving(renamed.Bytes());
    std::vector<TReadClock> found = ReadClocks(moving, moved);
    if (found.size() > named.size()) std::abort();
    for (std::size_t i = 0; i < found.size(); ++i) {
        const TClockRecord& r = found[i].Record;
        auto at = std::find(moved.begin(), moved.end(), named[i].ZoneKey);
        if (named[i].ZoneIndex == -1) {
            if (r.ZoneIndex != -1 || !found[i].Complete()) std::abort();
        } else if (at != moved.end()) {
            if (r.ZoneIndex != at - moved.begin() || !found[i].Complete()) std::abort();
        } else if (r.ZoneIndex != named[i].ZoneIndex) {
            std::abort();
        } else if (found[i].Complete() != (r.ZoneIndex < static_cast<std::int32_t>(moved.size()))) {
            std::abort();
        }
        if (!found[i].Complete() && i + 1 != found.size()) std::abort();
    }
    if (found.size() < named.size() && (found.empty() || found.back().Complete())) std::abort();
    return 0;
}
