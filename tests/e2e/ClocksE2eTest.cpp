// A world clock stored by hand comes back at start and is written back at exit, byte for byte.

#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Takes the clocks file away however the test ends, so the other starts find none.
struct TClocksFileGuard {
    std::string path = Beside("RoVudez.clk");
    ~TClocksFileGuard() { DeleteFileA(path.c_str()); }
};

TEST(StoredClocks, ComeBackAtStartAndAreWrittenBackAtExit)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TClocksFileGuard file;
    TDataBytes stored;
    stored.I32(3);
    stored.I32(-1).U8(1).Str("Home").Str("Arial").I32(10).I32(0).U8(0x03).I32(0x00000080).I32(0x00FFFFFF);
    stored.I32(5).U8(0).Str("Office").Str("Times New Roman").I32(9).I32(1).U8(0x01).I32(0x00FF0000).I32(0x0000FFFF);
    stored.I32(17).U8(1).Str("(UTC+02:00)").Str("Courier New").I32(12).I32(238).U8(0x0C).I32(0x00008000).I32(0);
    ASSERT_TRUE(WriteBytes(file.path, stored.Bytes()));

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    RECT client{};
    GetClientRect(clock.Window(), &client);
    // Three faces in a row, all grown alike to hold the largest font's 12-hour time.
    RECT face{};
    GetClientRect(FindWindowExA(clock.Window(), nullptr, "TRoVudez", nullptr), &face);
    EXPECT_GT(face.right, 75);
    EXPECT_EQ(client.right, 3 * face.right);
    EXPECT_EQ(client.bottom, 22 + face.bottom);
    EXPECT_EQ(Faces(clock.Window()), 3);
    EXPECT_EQ(ReadBytes(file.path), stored.Bytes());  // reading wrote nothing

    // Shift+A adds a fourth clock, which is in the file at once.
    EXPECT_TRUE(Focus(clock.Window()));
    SendChord({VK_SHIFT}, 'A');
    WaitUntil([&] { return Faces(clock.Window()) >= 4; });
    EXPECT_EQ(Faces(clock.Window()), 4);
    ASSERT_TRUE(clock.CloseAndWait());

    TBytes after = ReadBytes(file.path);
    ASSERT_GT(after.size(), stored.Size());
    EXPECT_EQ(after[0], 4);
    EXPECT_TRUE(std::equal(stored.Bytes().begin() + 4, stored.Bytes().end(), after.begin() + 4))
        << "the three stored faces changed";
    // The new face: local time, "Local time", the new-face defaults.
    TDataBytes added;
    added.I32(-1).U8(0).Str("Local time").Str("MS Sans Serif").I32(9).I32(1).U8(0x01).I32(0x00FF0000).I32(0x0000FFFF);
    const TBytes tail(after.begin() + static_cast<long>(stored.Size()), after.end());
    ASSERT_GE(tail.size(), added.Size() + 8);
    EXPECT_TRUE(std::equal(added.Bytes().begin(), added.Bytes().end(), tail.begin()));
    // Then the trailer that names the zones of the four faces.
    const TBytes trailer(tail.begin() + static_cast<long>(added.Size()), tail.end());
    EXPECT_EQ(std::string(trailer.begin(), trailer.begin() + 4), "TZKN");
    EXPECT_EQ(trailer[4], 4);  // the count
}

}  // namespace
