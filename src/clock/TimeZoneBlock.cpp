#include "clock/TimeZoneBlock.h"

#include <algorithm>

namespace {

std::uint32_t Le32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

TSystemTime Le16x8(const std::uint8_t* p)
{
    std::uint16_t w[8];
    for (int i = 0; i < 8; ++i) w[i] = static_cast<std::uint16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    return TSystemTime{w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7]};
}

}  // namespace

void DecodeTzi(const std::uint8_t* data, std::size_t size, TTimeZoneBlock& block)
{
    std::uint8_t raw[TziValueSize] = {};
    std::copy_n(data, std::min(size, TziValueSize), raw);
    block.Bias = static_cast<std::int32_t>(Le32(raw + 0));
    block.StandardDate = Le16x8(raw + 4);
    block.StandardBias = static_cast<std::int32_t>(Le32(raw + 20));
    block.DaylightDate = Le16x8(raw + 24);
    block.DaylightBias = static_cast<std::int32_t>(Le32(raw + 40));
}
