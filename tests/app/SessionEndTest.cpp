// The end of a Windows session: the system ends the process after WM_ENDSESSION, so that message
// must leave on disk what exit would.

#include "ClockWindowFixture.h"

#include "alarms/AlarmFile.h"

namespace {

class SessionEnd : public ClockWindow {
protected:
    void TearDown() override
    {
        FreeAlarms(Alarms);
        ClockWindow::TearDown();
    }
    std::string Stored(const char* key, const char* name) const
    {
        std::string text = "<none>";
        TRegKey k = TRegKey::Open(root.Handle(), std::string("SOFTWARE\\Doviz\\Clock\\") + key, KEY_READ);
        if (k && k.ReadData(name, text)) text.erase(text.find_last_not_of('\0') + 1);
        return text;
    }
    bool AlarmFileThere() const
    {
        return GetFileAttributesA(folder.File(AlarmFileName).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    // A clock window with a changed option, a second clock and an alarm, none of them on disk yet.
    void Change(TClockForm& form)
    {
        form.ShowClock();
        SetWindowPos(form.Handle(), nullptr, 140, 110, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        form.Options->SetShowDate(true);
        form.AddItemClick();
        DeleteFileA(ClocksPath().c_str());
        auto* alarm = new TAlarm;
        alarm->Name = "Tea";
        Alarms.Add(alarm);
    }
};

TEST_F(SessionEnd, AnsweredYesAndACancelledEndWritesNothing)
{
    TClockForm form(Config());
    Change(form);
    EXPECT_EQ(SendMessageA(form.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageA(form.Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(Stored("Options", "ShowDate"), "<none>");
    EXPECT_EQ(Stored("TClockForm", "NormPos"), "<none>");
    EXPECT_FALSE(ClocksFileThere());
    EXPECT_FALSE(AlarmFileThere());
}

TEST_F(SessionEnd, KeepsTheOptionsThePositionTheClocksAndTheAlarms)
{
    TClockForm form(Config());
    Change(form);
    RECT wr;
    GetWindowRect(form.Handle(), &wr);
    SendMessageA(form.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);

    EXPECT_EQ(Stored("Options", "ShowDate"), "1");
    EXPECT_EQ(Stored("TClockForm", "NormPos"), std::to_string(wr.left) + "," + std::to_string(wr.top) + "," +
                                                 std::to_string(wr.right) + "," + std::to_string(wr.bottom));
    EXPECT_EQ(StoredClocks().size(), 2u);
    TOvList<TAlarm> read;
    ReadAlarmsFile(read, folder.Path(), files);
    ASSERT_EQ(read.Count(), 1);
    EXPECT_EQ(read.Items(0)->Name, "Tea");
    FreeAlarms(read);
}

TEST_F(SessionEnd, WithAutoSaveDataOffOnlyTheOptionsAndThePositionAreWritten)
{
    StoreOption("AutoSaveData", "0");
    TClockForm form(Config());
    Change(form);
    SendMessageA(form.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(Stored("Options", "ShowDate"), "1");
    EXPECT_NE(Stored("TClockForm", "NormPos"), "<none>");
    EXPECT_FALSE(ClocksFileThere());
    EXPECT_FALSE(AlarmFileThere());
}

}  // namespace
