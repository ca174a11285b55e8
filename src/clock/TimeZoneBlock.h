#pragma once
// A zone's rules in the platform's TIME_ZONE_INFORMATION layout (172 bytes), and the decoding
// of the registry's 44-byte "TZI" value into it.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "base/DateTime.h"
#include "clock/ZoneRules.h"

struct TTimeZoneBlock {
    std::int32_t Bias = 0;  // minutes; UTC = zone time + Bias
    std::uint16_t StandardName[32] = {};
    TSystemTime StandardDate;
    std::int32_t StandardBias = 0;
    std::uint16_t DaylightName[32] = {};
    TSystemTime DaylightDate;
    std::int32_t DaylightBias = 0;

    // Zones are compared as whole blocks, byte for byte.
    bool SameBytes(const TTimeZoneBlock& other) const
    {
        return std::memcmp(this, &other, sizeof(TTimeZoneBlock)) == 0;
    }
};
static_assert(sizeof(TTimeZoneBlock) == 172);
static_assert(offsetof(TTimeZoneBlock, StandardDate) == 68);
static_assert(offsetof(TTimeZoneBlock, DaylightDate) == 152);

// One entry of the zone catalogue.
struct TTimeZoneInfo {
    std::string KeyName;
    std::string DisplayName;
    TTimeZoneBlock TZI;
    // The same zone's rules as the system means them, for clocks that follow its daylight saving.
    TZoneRules Rules;
};

constexpr std::size_t TziValueSize = 44;

// Takes the stored value apart as five consecutive fields: bias, a 16-byte record, a bias,
// a 16-byte record, a bias. The stored order is bias, standard bias, daylight bias, standard
// date, daylight date, so the records read here begin with the two stored biases; for a zone
// whose standard bias is 0 both dates come out with month 0 and the platform's conversion
// applies no daylight saving. The clocks rely on that (daylight saving comes from the
// program's own adjustment instead). Bytes past the data count as zero.
void DecodeTzi(const std::uint8_t* data, std::size_t size, TTimeZoneBlock& block);
