// Faces hold their text: a large font or a long time makes every face, and the window, grow.

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

}  // namespace
