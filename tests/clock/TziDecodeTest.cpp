#include "clock/TimeZoneBlock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> FromHex(const std::string& hex)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

TEST(TziDecode, PacificStandardTimeGetsNoTransitionMonths)
{
    // As Wine stores it: bias 480, standard bias 0, daylight bias -60, then the two dates.
    auto value = FromHex("E001000000000000C4FFFFFF00000B0000000100020000000000000000000300000002000200000000000000");
    ASSERT_EQ(value.size(), TziValueSize);
    TTimeZoneBlock block;
    DecodeTzi(value.data(), value.size(), block);
    EXPECT_EQ(block.Bias, 480);
    // The standard "date" begins with the stored standard and daylight biases.
    EXPECT_EQ(block.StandardDate.wYear, 0);
    EXPECT_EQ(block.StandardDate.wMonth, 0);
    EXPECT_EQ(block.StandardDate.wDayOfWeek, 0xFFC4);
    EXPECT_EQ(block.StandardDate.wDay, 0xFFFF);
    EXPECT_EQ(block.StandardDate.wHour, 0);
    EXPECT_EQ(block.StandardDate.wMinute, 11);
    EXPECT_EQ(block.DaylightDate.wYear, 0);
    EXPECT_EQ(block.DaylightDate.wMonth, 0);  // the stored standard date's milliseconds
    EXPECT_EQ(block.StandardBias, 2);  // the stored standard date's hour word
    EXPECT_EQ(block.DaylightBias, 0);
}

TEST(TziDecode, NegativeBiasAndUnfilledBytesStayZero)
{
    // Central Europe: bias -60, standard bias 0, daylight bias -60.
    auto value = FromHex("C4FFFFFF00000000C4FFFFFF00000A0000000500030000000000000000000300000005000200000000000000");
    TTimeZoneBlock block;
    DecodeTzi(value.data(), value.size(), block);
    EXPECT_EQ(block.Bias, -60);
    EXPECT_EQ(block.StandardDate.wMonth, 0);
    EXPECT_EQ(block.DaylightDate.wMonth, 0);
    for (auto unit : block.StandardName) EXPECT_EQ(unit, 0);
    for (auto unit : block.DaylightName) EXPECT_EQ(unit, 0);
}

TEST(TziDecode, ZoneWithNonZeroStandardBiasGetsAMonth)
{
    // A stored standard bias of 0x00030000 puts 3 into the standard date's month word.
    auto value = FromHex("0000000000000300000000000000000000000000000000000000000000000000000000000000000000000000");
    TTimeZoneBlock block;
    DecodeTzi(value.data(), value.size(), block);
    EXPECT_EQ(block.StandardDate.wMonth, 3);
}

TEST(TziDecode, ShortValueIsReadAsIfPaddedWithZeros)
{
    auto value = FromHex("10000000");
    TTimeZoneBlock block;
    block.DaylightBias = 77;
    DecodeTzi(value.data(), value.size(), block);
    EXPECT_EQ(block.Bias, 16);
    EXPECT_EQ(block.DaylightBias, 0);
    EXPECT_TRUE(block.SameBytes([] { TTimeZoneBlock b; b.Bias = 16; return b; }()));
}

}  // namespace
