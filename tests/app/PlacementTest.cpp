#include "app/Placement.h"

#include <gtest/gtest.h>

#include "../support/WinTestSupport.h"
#include "widgets/Form.h"

namespace {

class Placement : public testing::Test {
protected:
    TScratchKey scratch{"Placement"};
    std::unique_ptr<TForm> form = std::make_unique<TForm>(TForm::TParams{.ClassName = "TPlacementTest",
                                                                         .BorderStyle = bsNone,
                                                                         .ClientWidth = 75,
                                                                         .ClientHeight = 40});
    void Put(const char* name, const std::string& text) { scratch.Open().WriteString(name, text); }
    std::string Get(const char* name)
    {
        std::string data;
        if (!scratch.Open().ReadData(name, data)) return "<none>";
        return data.c_str();
    }
    void MoveTo(int x, int y)
    {
        SetWindowPos(form->Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT Where() const
    {
        RECT r;
        GetWindowRect(form->Handle(), &r);
        return r;
    }
    int Ppi()
    {
        HDC dc = GetDC(nullptr);
        int ppi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        return ppi;
    }
};

TEST_F(Placement, SavedPositionComesBackKeepingTheSize)
{
    form->Show();
    MoveTo(10, 10);
    {
        TPlacement p(form->Handle(), HKEY_CURRENT_USER, scratch.Path());
        p.RestoreOnFirstShow();  // nothing stored yet
        EXPECT_EQ(Where().left, 10);
        MoveTo(200, 150);
        p.SaveOnClose();
        p.SaveOnDestroy();  // already saved: "Visible" stays 0
    }
    EXPECT_EQ(Get("NormPos"), "200,150,275,190");
    EXPECT_EQ(Get("Visible"), "0");
    EXPECT_EQ(Get("ShowCmd"), "1");
    EXPECT_EQ(Get("PixelsPerInch"), std::to_string(Ppi()));
    EXPECT_NE(Get("MinMaxPos"), "<none>");
    EXPECT_NE(Get("Flags"), "<none>");

    Put("NormPos", "300,120,310,130");  // only the corner counts
    MoveTo(0, 0);
    TPlacement again(form->Handle(), HKEY_CURRENT_USER, scratch.Path());
    again.RestoreOnFirstShow();
    RECT r = Where();
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 120);
    EXPECT_EQ(r.right - r.left, 75);
    EXPECT_EQ(r.bottom - r.top, 40);
    MoveTo(5, 5);
    again.RestoreOnFirstShow();  // once only
    EXPECT_EQ(Where().left, 5);
}

TEST_F(Placement, ConditionsThatBlockARestore)
{
    struct Case {
        const char* what;
        const char* minMax;
        const char* norm;
        const char* ppi;
        bool moves;
    } cases[] = {
        {"nothing stored", nullptr, nullptr, nullptr, false},
        {"other screen density", "-1,-1,-1,-1", "300,120,375,160", "1", false},
        {"empty rectangle", "-1,-1,-1,-1", "300,120,300,160", nullptr, false},
        {"missing density counts as equal", nullptr, "300,120,375,160", nullptr, true},
        {"only MinMaxPos: no rectangle to take", "-1,-1,-1,-1", nullptr, nullptr, false},
    };
    for (const auto& c : cases) {
        RegDeleteTreeA(HKEY_CURRENT_USER, scratch.Path().c_str());
        scratch.Open();
        if (c.minMax) Put("MinMaxPos", c.minMax);
        if (c.norm) Put("NormPos", c.norm);
        if (c.ppi) Put("PixelsPerInch", c.ppi);
        MoveTo(20, 20);
        TPlacement p(form->Handle(), HKEY_CURRENT_USER, scratch.Path());
        p.RestoreOnFirstShow();
        EXPECT_EQ(Where().left, c.moves ? 300 : 20) << c.what;
    }
}

TEST_F(Placement, NoSaveBeforeTheRestoreStepAndDestroyMarksVisible)
{
    {
        TPlacement p(form->Handle(), HKEY_CURRENT_USER, scratch.Path());
        p.SaveOnClose();
        p.SaveOnDestroy();
    }
    EXPECT_EQ(Get("NormPos"), "<none>");
    TPlacement p(form->Handle(), HKEY_CURRENT_USER, scratch.Path());
    p.RestoreOnFirstShow();
    p.SaveOnDestroy();
    EXPECT_EQ(Get("Visible"), "1");
}

TEST_F(Placement, PositionOffEveryMonitorIsBroughtBack)
{
    Put("NormPos", "5000,4000,5075,4040");
    TPlacement p(form->Handle(), HKEY_CURRENT_USER, scratch.Path());
    p.RestoreOnFirstShow();
    RECT r = Where();
    POINT corner{r.left, r.top};
    EXPECT_NE(MonitorFromPoint(corner, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(r.right - r.left, 75);
}

// With the taskbar on the left or at the top, work-area and screen coordinates differ; the stored
// rectangle is the placement's own, in work-area coordinates, and comes back to the same place.
TEST_F(Placement, StoredRectangleIsInWorkAreaCoordinates)
{
    RECT oldWork{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &oldWork, 0);
    RECT work{oldWork.left + 100, oldWork.top + 50, oldWork.right, oldWork.bottom};
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0));
    struct TRestoreWork {
        RECT r;
        ~TRestoreWork() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &r, 0); }
    } restoreWork{oldWork};
    MONITORINFO mi{sizeof(mi)};
    GetMonitorInfoA(MonitorFromPoint(POINT{300, 200}, MONITOR_DEFAULTTOPRIMARY), &mi);
    if (mi.rcWork.left == mi.rcMonitor.left && mi.rcWork.top == mi.rcMonitor.top)
        GTEST_SKIP() << "the monitor's work area here does not follow the new work area";

    form->Show();
    MoveTo(300, 200);
    {
        TPlacement p(form->Handle(), HKEY_CURRENT_USER, scratch.Path());
        p.RestoreOnFirstShow();
        p.SaveOnClose();
    }
    EXPECT_EQ(Get("NormPos"), "200,150,275,190");
    MoveTo(10, 10);
    TPlacement p(form->Handle(), HKEY_CURRENT_USER, scratch.Path());
    p.RestoreOnFirstShow();
    EXPECT_EQ(Where().left, 300);
    EXPECT_EQ(Where().top, 200);
}

}  // namespace
