// A world clock stored by hand comes back at start and is written back at exit, byte for byte.

#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using TFileBytes = std::vector<unsigned char>;

class TClockBytes {
public:
    TClockBytes& I32(int v)
    {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(static_cast<unsigned>(v) >> (8 * i)));
        return *this;
    }
    TClockBytes& U8(unsigned char v)
    {
        bytes.push_back(v);
        return *this;
    }
    TClockBytes& Str(const std::string& s)
    {
        I32(static_cast<int>(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    TFileBytes bytes;
};

TFileBytes ReadAll(const std::string& path)
{
    TFileBytes bytes;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return bytes;
    unsigned char buffer[4096];
    DWORD read = 0;
    while (ReadFile(f, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.insert(bytes.end(), buffer, buffer + read);
    CloseHandle(f);
    return bytes;
}

bool WriteAll(const std::string& path, const TFileBytes& bytes)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.size());
    bool ok = WriteFile(f, bytes.data(), size, &written, nullptr) && written == size;
    CloseHandle(f);
    return ok;
}

BOOL CALLBACK CountFaces(HWND child, LPARAM count)
{
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "TRoVudez") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int Faces(HWND window)
{
    int count = 0;
    EnumChildWindows(window, &CountFaces, reinterpret_cast<LPARAM>(&count));
    return count;
}

void Key(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

// Takes the clocks file away however the test ends, so the other starts find none.
struct TClocksFileGuard {
    std::string path = Beside("RoVudez.clk");
    ~TClocksFileGuard() { DeleteFileA(path.c_str()); }
};

TEST(StoredClocks, ComeBackAtStartAndAreWrittenBackAtExit)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TClocksFileGuard file;
    TClockBytes stored;
    stored.I32(3);
    stored.I32(-1).U8(1).Str("Home").Str("Arial").I32(10).I32(0).U8(0x03).I32(0x00000080).I32(0x00FFFFFF);
    stored.I32(5).U8(0).Str("Office").Str("Times New Roman").I32(9).I32(1).U8(0x01).I32(0x00FF0000).I32(0x0000FFFF);
    stored.I32(17).U8(1).Str("(UTC+02:00)").Str("Courier New").I32(12).I32(238).U8(0x0C).I32(0x00008000).I32(0);
    ASSERT_TRUE(WriteAll(file.path, stored.bytes));

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
    EXPECT_EQ(ReadAll(file.path), stored.bytes);  // reading wrote nothing

    // Shift+A adds a fourth clock, which is in the file at once.
    SetForegroundWindow(clock.Window());
    for (int i = 0; i < 100 && GetForegroundWindow() != clock.Window(); ++i) Sleep(50);
    EXPECT_EQ(GetForegroundWindow(), clock.Window());
    Key(VK_SHIFT, false);
    Key('A', false);
    Key('A', true);
    Key(VK_SHIFT, true);
    for (int i = 0; i < 100 && Faces(clock.Window()) < 4; ++i) Sleep(50);
    EXPECT_EQ(Faces(clock.Window()), 4);
    ASSERT_TRUE(clock.CloseAndWait());

    TFileBytes after = ReadAll(file.path);
    ASSERT_GT(after.size(), stored.bytes.size());
    EXPECT_EQ(after[0], 4);
    EXPECT_TRUE(std::equal(stored.bytes.begin() + 4, stored.bytes.end(), after.begin() + 4))
        << "the three stored faces changed";
    // The new face: local time, "Local time", the new-face defaults.
    TClockBytes added;
    added.I32(-1).U8(0).Str("Local time").Str("MS Sans Serif").I32(9).I32(1).U8(0x01).I32(0x00FF0000).I32(0x0000FFFF);
    const TFileBytes tail(after.begin() + static_cast<long>(stored.bytes.size()), after.end());
    ASSERT_GE(tail.size(), added.bytes.size() + 8);
    EXPECT_TRUE(std::equal(added.bytes.begin(), added.bytes.end(), tail.begin()));
    // Then the trailer that names the zones of the four faces.
    const TFileBytes trailer(tail.begin() + static_cast<long>(added.bytes.size()), tail.end());
    EXPECT_EQ(std::string(trailer.begin(), trailer.begin() + 4), "TZKN");
    EXPECT_EQ(trailer[4], 4);  // the count
}

}  // namespace
