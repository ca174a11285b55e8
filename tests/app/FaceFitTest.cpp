// Faces hold their text: a large font or a long time makes every face, and the window, grow, as
// far as the monitor's work area allows.

#include "ClockWindowFixture.h"

#include <sstream>

namespace {

using FaceFit = ClockWindow;

// The room each line of what the face shows takes in the face's own font.
struct TMeasured {
    int widest = 0;
    int lines = 0;
    int lineHeight = 0;
};

TMeasured Measure(const TRoVudez& face)
{
    TMeasured m;
    HDC dc = GetDC(face.Handle());
    HGDIOBJ old = SelectObject(dc, face.Font().Handle());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    m.lineHeight = tm.tmHeight;
    std::istringstream text(face.DisplayText());
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        SIZE size{};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
        m.widest = std::max<int>(m.widest, size.cx);
        ++m.lines;
    }
    SelectObject(dc, old);
    ReleaseDC(face.Handle(), dc);
    return m;
}

TClockRecord Big(std::int32_t zone, const char* label)
{
    return {zone, true, label, "Tahoma", 20, DEFAULT_CHARSET, 0, 0x00FF0000, 0x0000FFFF};
}

TEST_F(FaceFit, TwentyPointTwelveHourFacesHoldTheirTextInBothLayouts)
{
    for (const char* vertical : {"0", "1"}) {
        SCOPED_TRACE(vertical[0] == '1' ? "column" : "row");
        StoreOption("VertLayout", vertical);
        StoreOption("ShowDate", "1");
        StoreOption("ShowHint", "1");
        StoreOption("ShowTZSecs", "1");
        WriteClocksFile({{-1, false, "", "MS Sans Serif", 9, 1, fsBold, 0x00FF0000, 0x0000FFFF},
                         Big(0, "(UTC+01:00)"), Big(1, "Athens")});
        TFakeClock clock(Moment(2026, 12, 8, 22, 58, 58));
        TClockForm form(Config());
        ASSERT_EQ(form.Clocks->Count(), 2);
        form.LocalClock->UpdateDisplay();
        SendMessageA(form.Handle(), WM_TIMECHANGE, 0, 0);
        std::vector<const TMyRoVudez*> faces{form.LocalClock.get(), form.Clocks->Items(0), form.Clocks->Items(1)};
        RECT first;
        GetClientRect(faces[0]->Handle(), &first);
        for (const TMyRoVudez* face : faces) {
            RECT r;
            GetClientRect(face->Handle(), &r);
            const TMeasured m = Measure(*face);
            EXPECT_EQ(m.lines, 3) << face->DisplayText();
            // Inside the two one-pixel bevels and the text's inset.
            EXPECT_GE(r.right - 4, m.widest) << face->DisplayText();
            EXPECT_GE(r.bottom - 4, m.lines * m.lineHeight) << face->DisplayText();
            EXPECT_TRUE(EqualRect(&r, &first)) << "every face the same size";
        }
        const SIZE client = form.ClientSize();
        EXPECT_GT(first.right, 75);
        EXPECT_GT(first.bottom, 45);
        EXPECT_EQ(client.cx, vertical[0] == '1' ? first.right : 3 * first.right);
        EXPECT_EQ(client.cy, 22 + (vertical[0] == '1' ? 3 : 1) * first.bottom);

        // Back to the default font and 24 hours: back to the rule's sizes.
        for (int i = 0; i < 2; ++i) {
            TMyRoVudez& face = *form.Clocks->Items(i);
            face.SetFont(form.LocalClock->Font());
            face.AM_PM = false;
            face.SetHint("Paris");  // a label as long as "(UTC+01:00)" needs more than 75 pixels
            face.UpdateDisplay();
        }
        EXPECT_EQ(form.ClientSize().cx, vertical[0] == '1' ? 75 : 225);
        EXPECT_EQ(form.ClientSize().cy, 22 + (vertical[0] == '1' ? 3 : 1) * 45);
    }
}

// The face's two bevels as painted: one-pixel rings in the system's light and dark colours only.
bool BevelsIntact(const TRoVudez& face)
{
    RECT r;
    GetClientRect(face.Handle(), &r);
    HDC dc = GetDC(face.Handle());
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    bool intact = true;
    auto check = [&](int x, int y) {
        const COLORREF c = GetPixel(dc, x, y);
        intact = intact && (c == light || c == dark);
    };
    for (int ring = 0; ring < 2; ++ring) {
        const int left = ring, top = ring, right = r.right - 1 - ring, bottom = r.bottom - 1 - ring;
        for (int x = left; x <= right; ++x) check(x, top), check(x, bottom);
        for (int y = top; y <= bottom; ++y) check(left, y), check(right, y);
    }
    ReleaseDC(face.Handle(), dc);
    return intact;
}

TEST_F(FaceFit, FacesTooLargeForTheMonitorShrinkToItAndCutTheirTextInsideTheBevels)
{
    const std::string alias = "Pacific Standard Time, as the people of the coast call it...";
    ASSERT_EQ(alias.size(), 60u);
    const TClockRecord local{-1, false, "", "MS Sans Serif", 9, 1, fsBold, 0x00FF0000, 0x0000FFFF};
    const struct {
        const char* name;
        TClockRecord zone;
    } cases[] = {
        {"60-character alias", {0, false, alias, "MS Sans Serif", 9, 1, fsBold, 0x00FF0000, 0x0000FFFF}},
        {"48-point font", {1, false, "Athens", "Tahoma", 48, DEFAULT_CHARSET, 0, 0x00FF0000, 0x0000FFFF}},
    };
    for (const auto& c : cases) {
        for (const char* vertical : {"0", "1"}) {
            SCOPED_TRACE(testing::Message() << c.name << (vertical[0] == '1' ? ", column" : ", row"));
            StoreOption("VertLayout", vertical);
            StoreOption("ShowDate", "1");
            StoreOption("ShowHint", "1");
            WriteClocksFile({local, c.zone, c.zone, c.zone});
            TClockForm form(Config());
            form.ShowClock();
            MONITORINFO mi{sizeof mi};
            GetMonitorInfoA(MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST), &mi);
            RECT window, inside;
            GetWindowRect(form.Handle(), &window);
            EXPECT_TRUE(IntersectRect(&inside, &window, &mi.rcWork) && EqualRect(&inside, &window))
                << "window " << window.left << "," << window.top << "-" << window.right << "," << window.bottom
                << " work area " << mi.rcWork.right << "x" << mi.rcWork.bottom;
            RECT first;
            GetClientRect(form.LocalClock->Handle(), &first);
            for (const TMyRoVudez* face : {form.LocalClock.get(), form.Clocks->Items(0), form.Clocks->Items(2)}) {
                UpdateWindow(face->Handle());
                RECT r;
                GetClientRect(face->Handle(), &r);
                EXPECT_TRUE(EqualRect(&r, &first)) << "every face the same size";
                EXPECT_TRUE(BevelsIntact(*face)) << face->DisplayText();
            }
            // Only the picture is cut: the face's text, read by screen readers, stays whole.
            EXPECT_EQ(form.Clocks->Items(0)->DisplayText().rfind(c.zone.Label + "\r\n", 0), 0u);
        }
    }
}

}  // namespace
