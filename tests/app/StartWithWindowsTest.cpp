// The option "Start with Windows" as the user's Run key shows it.

#include "ClockWindowFixture.h"

#include "app/DataFolder.h"

namespace {

class StartWithWindows : public ClockWindow {
protected:
    const std::string runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    std::string RunValue() const
    {
        std::string text = "<none>";
        TRegKey key = TRegKey::Open(root.Handle(), runKey, KEY_READ);
        if (key && key.ReadData("Doviz Clock", text)) text.erase(text.find_last_not_of('\0') + 1);
        return text;
    }
    const std::string quoted = "\"" + ProgramPath() + "\"";
};

TEST_F(StartWithWindows, OnWritesTheQuotedPathAndOffRemovesIt)
{
    TClockForm form(Config());
    EXPECT_EQ(RunValue(), "<none>");
    form.Options->SetStartWithWindows(true);
    EXPECT_EQ(RunValue(), quoted);
    ASSERT_GT(quoted.size(), 2u);
    form.Options->SetStartWithWindows(false);
    EXPECT_EQ(RunValue(), "<none>");
}

TEST_F(StartWithWindows, AMovedProgramWritesItsNewPlaceAtStart)
{
    StoreOption("StartWithWindows", "1");
    TRegKey::Create(root.Handle(), runKey, KEY_ALL_ACCESS).WriteString("Doviz Clock", "\"C:\\Old\\DovizClock.exe\"");
    TClockForm form(Config());
    EXPECT_EQ(RunValue(), quoted);
}

}  // namespace
