// A form moved to a monitor of another DPI: its controls, their fonts and glyphs follow.

#include <gtest/gtest.h>

#include "../../res/resource.h"
#include "../support/WinTestSupport.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"
#include "widgets/SpinEdit.h"

namespace {

void MoveToDpi(const TForm& form, UINT dpi)
{
    RECT r;
    GetWindowRect(form.Handle(), &r);
    SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
}

RECT Place(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LONG FontHeight(HWND control)
{
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

// From the top of the field to the bottom of the open list.
int DroppedHeight(const TComboBox& combo)
{
    RECT field, list{};
    GetWindowRect(combo.Handle(), &field);
    SendMessageA(combo.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
    return list.bottom - field.top;
}

int GlyphSize(const TButton& button)
{
    BUTTON_IMAGELIST bil{};
    SendMessageA(button.Handle(), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil));
    int cx = 0, cy = 0;
    if (bil.himl) ImageList_GetIconSize(bil.himl, &cx, &cy);
    return cx;
}

TEST(Rescale, ControlsFontsAndGlyphsFollowTheMonitorsDpiThereAndBack)
{
    TForm::TParams params = TestDialog("TRescaleTest");
    params.ClientWidth = 200;
    params.ClientHeight = 120;
    TForm form(params);
    ASSERT_EQ(form.Dpi(), 96u);
    TPanel panel(form, {0, 60, 200, 60, {}, {}}, bvRaised);
    TLabel label(form, {8, 12, 40, 13, "Layout:"}, panel.Handle());
    TComboBox combo(form, {8, 8, 120, 150}, {"One", "Two", "Three"});
    TButton button(form, {140, 8, 25, 25});
    button.SetGlyph(IDB_GLYPH_ADD);
    TSpinEdit spin(form, {8, 34, 49, 21}, 1, 2300);

    const RECT label96 = Place(label.Handle()), spin96 = Place(spin.Handle()), arrows96 = Place(spin.ButtonsHandle());
    const LONG font96 = FontHeight(label.Handle());
    const int dropped96 = DroppedHeight(combo);
    EXPECT_EQ(GlyphSize(button), 16);

    MoveToDpi(form, 192);
    EXPECT_EQ(form.Dpi(), 192u);
    EXPECT_EQ(form.ClientSize().cx, 400);
    EXPECT_EQ(form.ClientSize().cy, 240);
    // Inside its panel, in the panel's new place.
    const RECT label192 = Place(label.Handle());
    EXPECT_EQ(label192.left, 16);
    EXPECT_EQ(label192.top, 24);
    EXPECT_EQ(label192.right, 96);
    EXPECT_EQ(Place(panel.Handle()).top, 120);
    EXPECT_EQ(Place(spin.ButtonsHandle()).left, 2 * arrows96.left);
    EXPECT_EQ(Place(spin.ButtonsHandle()).right, 2 * arrows96.right);
    // The open list keeps its length; the closed field's height would leave it a sliver.
    EXPECT_EQ(DroppedHeight(combo), 2 * dropped96);
    EXPECT_EQ(FontHeight(label.Handle()), -21);  // 8 points at 192 DPI
    EXPECT_EQ(FontHeight(combo.Handle()), -21);
    EXPECT_EQ(GlyphSize(button), 32);

    MoveToDpi(form, 96);
    EXPECT_EQ(form.ClientSize().cx, 200);
    EXPECT_EQ(form.ClientSize().cy, 120);
    const RECT labelBack = Place(label.Handle()), spinBack = Place(spin.Handle()),
               arrowsBack = Place(spin.ButtonsHandle());
    EXPECT_TRUE(EqualRect(&labelBack, &label96));
    EXPECT_TRUE(EqualRect(&spinBack, &spin96));
    EXPECT_TRUE(EqualRect(&arrowsBack, &arrows96));
    EXPECT_EQ(FontHeight(label.Handle()), font96);
    EXPECT_EQ(DroppedHeight(combo), dropped96);
    EXPECT_EQ(GlyphSize(button), 16);
}

TEST(Rescale, GlyphsOfEverySizeShowAndScaleWhole)
{
    struct TRow {
        int bitmap;
        int size96;
    } rows[] = {{IDB_GLYPH_OK, 16}, {IDB_GLYPH_NEXT_MONTH, 9}};
    for (const TRow& row : rows) {
        TForm form(TestDialog("TRescaleTest"));
        TButton button(form, {8, 8, 14, 21});
        button.SetGlyph(row.bitmap);
        EXPECT_EQ(GlyphSize(button), row.size96) << row.bitmap;
        MoveToDpi(form, 144);
        EXPECT_EQ(GlyphSize(button), MulDiv(row.size96, 144, 96)) << row.bitmap;
    }
}

}  // namespace
