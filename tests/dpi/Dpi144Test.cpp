// The windows on a screen of 144 DPI: this program runs in a Wine prefix set to that DPI.

#include <gtest/gtest.h>

#include "../app/ClockWindowFixture.h"
#include "options/frmOpt.h"
#include "widgets/About.h"
#include "widgets/Dpi.h"

namespace {

constexpr UINT ScreenDpi = 144;

TClockRecord Zone(std::int32_t index)
{
    return {index, false, "", "MS Sans Serif", 9, 1, fsBold, 0x00FF0000, 0x0000FFFF};
}

// The height the created font really has, as GDI reports it.
LONG CreatedHeight(HFONT font)
{
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    return lf.lfHeight;
}

// What the system sends a window that has been dragged to a monitor of another DPI.
void MoveToDpi(const TForm& form, UINT dpi)
{
    RECT r;
    GetWindowRect(form.Handle(), &r);
    RECT suggested{r.left + 10, r.top + 20, r.left + 10 + MulDiv(r.right - r.left, dpi, form.Dpi()),
                   r.top + 20 + MulDiv(r.bottom - r.top, dpi, form.Dpi())};
    SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

RECT OnScreen(const TForm& form)
{
    RECT r;
    GetWindowRect(form.Handle(), &r);
    return r;
}

}  // namespace

TEST(Dpi144, TheScreenAndEveryNewWindowHave144Dpi)
{
    // Without this every other test here would measure the wrong screen.
    ASSERT_EQ(SystemDpi(), ScreenDpi);
    TForm form({});
    EXPECT_EQ(form.Dpi(), ScreenDpi);
    EXPECT_EQ(WindowDpi(form.Handle()), ScreenDpi);
}

class ClockWindow144 : public ClockWindow {};

TEST_F(ClockWindow144, ClientSizeIsTheGeometryRuleAt144)
{
    // Faces 113 wide and 27, 45 or 68 high, the band 33 high, the strip 12 wide; the default
    // font's text fits in all of them.
    struct TRow {
        int zoneClocks;
        const char* vertical;
        const char* caption;
        const char* datesAndLabels;
        SIZE client;
        int faceHeight;
    } rows[] = {
        {0, "0", "1", "0", {113, 60}, 27},
        {2, "0", "1", "0", {339, 60}, 27},
        {2, "1", "1", "0", {113, 114}, 27},
        {2, "0", "0", "0", {351, 27}, 27},
        {2, "0", "1", "1", {339, 101}, 68},
        {2, "1", "0", "1", {125, 204}, 68},
    };
    for (const TRow& row : rows) {
        std::vector<TClockRecord> records{Zone(-1)};
        for (int i = 0; i < row.zoneClocks; ++i) records.push_back(Zone(i));
        WriteClocksFile(records);
        StoreOption("VertLayout", row.vertical);
        StoreOption("ShowCaption", row.caption);
        StoreOption("ShowDate", row.datesAndLabels);
        StoreOption("ShowHint", row.datesAndLabels);
        StoreOption("ShowTZSecs", row.datesAndLabels);
        TClockForm form(Config());
        ASSERT_EQ(form.Clocks->Count(), row.zoneClocks);
        SIZE client = form.ClientSize();
        EXPECT_EQ(client.cx, row.client.cx) << row.zoneClocks << " zones, vertical " << row.vertical;
        EXPECT_EQ(client.cy, row.client.cy) << row.zoneClocks << " zones, vertical " << row.vertical;
        RECT last = {};
        GetWindowRect(form.Clocks->Count() ? form.Clocks->Items(row.zoneClocks - 1)->Handle() : form.LocalClock->Handle(),
                      &last);
        EXPECT_EQ(last.right - last.left, 113);
        EXPECT_EQ(last.bottom - last.top, row.faceHeight);
    }
}

TEST_F(ClockWindow144, FacesAndTitleDrawWithFontsMadeFor144)
{
    WriteClocksFile({Zone(-1), Zone(0)});
    TClockForm form(Config());
    // 9 points at 144 DPI: 18 pixels.
    EXPECT_EQ(form.LocalClock->Font().Height(), -18);
    EXPECT_EQ(CreatedHeight(form.LocalClock->Font().Handle()), -18);
    EXPECT_EQ(CreatedHeight(form.Clocks->Items(0)->Font().Handle()), -18);
    EXPECT_EQ(form.Image1().Height, 33);
}

TEST_F(ClockWindow144, MovedTo96DpiAndBackItRescalesAndKeepsTheRule)
{
    WriteClocksFile({Zone(-1), Zone(0), Zone(1)});
    TClockForm form(Config());
    const struct {
        UINT dpi;
        SIZE client;
        int faceWidth;
        LONG fontHeight;
    } steps[] = {{96, {240, 42}, 80, -12}, {144, {339, 60}, 113, -18}, {120, {282, 51}, 94, -15}};
    // At 96 DPI this prefix's bitmap font has nothing smaller than 16 pixels: its text needs
    // faces of 80 x 20, and they grow to hold it.
    for (const auto& step : steps) {
        const RECT before = OnScreen(form);
        MoveToDpi(form, step.dpi);
        EXPECT_EQ(form.Dpi(), step.dpi);
        EXPECT_EQ(form.ClientSize().cx, step.client.cx) << step.dpi;
        EXPECT_EQ(form.ClientSize().cy, step.client.cy) << step.dpi;
        const TLayoutRect band = form.Image1();
        EXPECT_EQ(band.Width, step.client.cx) << step.dpi;
        RECT face;
        GetClientRect(form.Clocks->Items(1)->Handle(), &face);
        EXPECT_EQ(face.right, step.faceWidth) << step.dpi;
        EXPECT_EQ(CreatedHeight(form.Clocks->Items(1)->Font().Handle()), step.fontHeight) << step.dpi;
        // The place comes from the system's suggestion.
        const RECT after = OnScreen(form);
        EXPECT_EQ(after.left, before.left + 10) << step.dpi;
        EXPECT_EQ(after.top, before.top + 20) << step.dpi;
    }
}

TEST_F(ClockWindow144, StoredPixelsPerInchIsTheScreens)
{
    {
        TClockForm form(Config());
        form.ShowClock();
        form.Close();
    }
    TRegKey key = TRegKey::Create(root.Handle(), "SOFTWARE\\Doviz\\Clock\\TClockForm", KEY_READ);
    std::string stored;
    ASSERT_TRUE(key.ReadData("PixelsPerInch", stored));
    EXPECT_STREQ(stored.c_str(), "144");
}

namespace {

void RunOptions(const std::function<void(TOptForm&)>& act)
{
    TClockOptions options(nullptr);
    TModalHook hook([&](TForm& f) {
        act(static_cast<TOptForm&>(f));
        f.SetModalResult(mrCancel);
    });
    RunOptionsDialog(options);
}

RECT Place(const TControl& control)
{
    return control.BoundsInParent();
}

}  // namespace

TEST(OptionsDialog144, SizesControlsAndFontAt144AndAfterAMoveTo96)
{
    bool ran = false;
    RunOptions([&](TOptForm& dialog) {
        ran = true;
        const struct {
            UINT dpi;
            SIZE client;
            RECT ok;    // 81, 280, 75 x 25 at 96
            RECT date;  // 168, 8, 148 x 17 at 96
            LONG fontHeight;
        } steps[] = {
            {144, {477, 462}, {122, 420, 235, 458}, {252, 12, 474, 38}, -16},
            {96, {318, 308}, {81, 280, 156, 305}, {168, 8, 316, 25}, -11},
            {144, {477, 462}, {122, 420, 235, 458}, {252, 12, 474, 38}, -16},
        };
        for (const auto& step : steps) {
            if (step.dpi != dialog.Dpi()) MoveToDpi(dialog, step.dpi);
            EXPECT_EQ(dialog.ClientSize().cx, step.client.cx) << step.dpi;
            EXPECT_EQ(dialog.ClientSize().cy, step.client.cy) << step.dpi;
            const RECT ok = Place(dialog.OkBtn), date = Place(dialog.DateCB);
            EXPECT_TRUE(EqualRect(&ok, &step.ok)) << step.dpi << ": " << ok.left << "," << ok.top << " "
                                                  << ok.right << "," << ok.bottom;
            EXPECT_TRUE(EqualRect(&date, &step.date)) << step.dpi << ": " << date.left << "," << date.top << " "
                                                      << date.right << "," << date.bottom;
            const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog.DateCB.Handle(), WM_GETFONT, 0, 0));
            EXPECT_EQ(CreatedHeight(font), step.fontHeight) << step.dpi;
        }
    });
    EXPECT_TRUE(ran);
}

TEST(About144, ShowsTheIconDrawnFor144)
{
    TAboutBox box;
    auto icon = reinterpret_cast<HICON>(SendMessageA(box.ProgramIcon.Handle(), STM_GETICON, 0, 0));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObjectA(info.hbmMask, sizeof bm, &bm);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(bm.bmWidth, 48);
    EXPECT_EQ(box.ProgramIcon.BoundsInParent().right, 72);  // 16 + 32 at 96 DPI
}
