// Arbitrary bytes as a clocks file. What loads must be a prefix of the file's own records, and the
// complete records must write and load back unchanged.

#include "app/ClocksCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks the catalogue's size, so that zone indexes both pass and stop the load.
    const int zones = size > 0 ? data[0] : 0;
    TMemoryStream file(TBytes(data, data + size));
    std::vector<TReadClock> loaded = ReadClocks(file, zones);

    // Every record needs at least 30 bytes: nothing is made from the count alone.
    if (loaded.size() > size / 30 + 1) std::abort();
    std::vector<TClockRecord> complete;
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        if (!loaded[i].Complete() && i + 1 != loaded.size()) std::abort();
        if (loaded[i].Complete()) complete.push_back(loaded[i].Record);
    }

    TMemoryStream written;
    if (!WriteClocks(written, complete)) std::abort();
    TMemoryStream again(written.Bytes());
    std::vector<TReadClock> reloaded = ReadClocks(again, zones);
    if (reloaded.size() != complete.size() || again.Remaining() != 0) std::abort();
    for (std::size_t i = 0; i < complete.size(); ++i)
        if (!reloaded[i].Complete() || !(reloaded[i].Record == complete[i])) std::abort();
    return 0;
}
