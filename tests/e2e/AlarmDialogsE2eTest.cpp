// Makes an alarm in the running program with Ctrl+A and finds it in the alarms file and the list.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "E2eSupport.h"

namespace {

// Waits until a top-level window of the class is shown (or hidden, with shown = false).
HWND WaitForWindow(const char* className, bool shown = true)
{
    HWND w = nullptr;
    for (int i = 0; i < 200; ++i) {
        w = FindWindowA(className, nullptr);
        if (shown ? (w && IsWindowVisible(w)) : !(w && IsWindowVisible(w))) return w;
        Sleep(50);
    }
    return shown ? nullptr : w;
}

// Presses the letter with the modifiers held, at the clock window.
void PressChord(HWND window, std::vector<WORD> modifiers, WORD key)
{
    SetForegroundWindow(window);
    Sleep(200);
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    for (WORD m : modifiers) add(m, false);
    add(key, false);
    add(key, true);
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) add(*m, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FindChild(HWND parent, const char* className, const char* text)
{
    return FindWindowExA(parent, nullptr, className, text);
}

// The alarms file's records, read by its layout: a count, then version-3 records.
struct TRecord {
    bool enabled = false, soundOn = false, messageOn = false;
    std::uint16_t time[8] = {};
    std::string name, soundFile, messageText, cronMask, commandLine, startFolder;
    bool cronFlag = false, oneTime = false, remove = false, runOn = false, onceADay = false;
    int kind = -1;
};

class TReader {
public:
    explicit TReader(std::vector<char> bytes) : bytes_(std::move(bytes)) {}
    bool Ok() const { return ok_; }
    std::int32_t Int()
    {
        std::int32_t v = 0;
        Take(&v, 4);
        return v;
    }
    std::uint8_t Byte()
    {
        std::uint8_t b = 0;
        Take(&b, 1);
        return b;
    }
    bool Bool() { return Byte() != 0; }
    std::string Text()
    {
        std::int32_t n = Int();
        if (n < 0 || pos_ + std::size_t(n) > bytes_.size()) {
            ok_ = false;
            return {};
        }
        std::string s(bytes_.data() + pos_, std::size_t(n));
        pos_ += std::size_t(n);
        return s;
    }
    void Take(void* to, std::size_t n)
    {
        if (pos_ + n > bytes_.size()) {
            ok_ = false;
            return;
        }
        memcpy(to, bytes_.data() + pos_, n);
        pos_ += n;
    }

private:
    std::vector<char> bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

std::vector<TRecord> ReadAlarmsFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    TReader r(std::vector<char>(std::istreambuf_iterator<char>(in), {}));
    std::vector<TRecord> records;
    std::int32_t count = r.Int();
    for (std::int32_t i = 0; i < count && r.Ok(); ++i) {
        TRecord rec;
        EXPECT_EQ(r.Int(), 3);
        rec.enabled = r.Bool();
        rec.soundOn = r.Bool();
        rec.messageOn = r.Bool();
        r.Take(rec.time, sizeof rec.time);
        rec.name = r.Text();
        rec.soundFile = r.Text();
        rec.messageText = r.Text();
        rec.cronFlag = r.Bool();
        rec.cronMask = r.Text();
        rec.oneTime = r.Bool();
        rec.remove = r.Bool();
        rec.runOn = r.Bool();
        rec.commandLine = r.Text();
        rec.startFolder = r.Text();
        rec.kind = r.Byte();
        rec.onceADay = r.Bool();
        if (r.Ok()) records.push_back(rec);
    }
    return records;
}

int SecondOfDay(int h, int m, int s)
{
    return (h * 60 + m) * 60 + s;
}

TEST(AlarmDialogs, CtrlAMakesTheNewAlarmAndShiftCtrlAListsIt)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    const std::string file = Beside("RoVudez.alm");
    DeleteFileA(file.c_str());

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    SYSTEMTIME before;
    GetLocalTime(&before);
    PressChord(clock.Window(), {VK_CONTROL}, 'A');
    HWND dialog = WaitForWindow("TAlPropForm");
    ASSERT_NE(dialog, nullptr) << "Ctrl+A opened no properties dialog";
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Alarm properties");
    SYSTEMTIME after;
    GetLocalTime(&after);

    HWND ok = FindChild(dialog, "Button", "OK");
    ASSERT_NE(ok, nullptr);
    PostMessageA(ok, BM_CLICK, 0, 0);
    WaitForWindow("TAlPropForm", false);

    // Auto-save is on by default: the file is written as soon as the alarm is added.
    std::vector<TRecord> records;
    for (int i = 0; i < 100 && records.empty(); ++i) {
        Sleep(50);
        records = ReadAlarmsFile(file);
    }
    ASSERT_EQ(records.size(), 1u);
    const TRecord& a = records[0];
    EXPECT_EQ(a.name, "Unnamed alarm");
    EXPECT_EQ(a.kind, 0);
    EXPECT_TRUE(a.enabled);
    EXPECT_TRUE(a.messageOn);
    EXPECT_EQ(a.messageText, "Time to signal ...");
    EXPECT_TRUE(a.soundOn);
    EXPECT_EQ(a.soundFile, "(Default)");
    EXPECT_FALSE(a.oneTime || a.runOn || a.cronFlag || a.onceADay);
    int at = SecondOfDay(a.time[4], a.time[5], a.time[6]);
    EXPECT_GE(at, SecondOfDay(before.wHour, before.wMinute, before.wSecond) - 1);
    EXPECT_LE(at, SecondOfDay(after.wHour, after.wMinute, after.wSecond) + 1);
    EXPECT_EQ(a.time[0], after.wYear);

    PressChord(clock.Window(), {VK_SHIFT, VK_CONTROL}, 'A');
    HWND list = WaitForWindow("TAlarmsForm");
    ASSERT_NE(list, nullptr) << "Shift+Ctrl+A showed no alarm list";
    HWND box = FindChild(list, "ListBox", nullptr);
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 1);
    // Across processes the row comes through the wide message.
    wchar_t wide[256] = {};
    SendMessageW(box, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(wide));
    char row[256] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, row, sizeof row, nullptr, nullptr);
    SYSTEMTIME signal{};
    signal.wYear = a.time[0];
    signal.wMonth = a.time[1];
    signal.wDay = a.time[3];
    signal.wHour = a.time[4];
    signal.wMinute = a.time[5];
    signal.wSecond = a.time[6];
    char time[64] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &signal, nullptr, time, sizeof time);
    EXPECT_EQ(std::string(row), std::string("Unnamed alarm (") + time + ")");

    ASSERT_TRUE(clock.CloseAndWait());
    DeleteFileA(file.c_str());
}

}  // namespace
