// The clock menu's operations on the faces, driven as a user drives them.

#include "ClockWindowFixture.h"

#include <colordlg.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>

#include "../support/Input.h"
#include "clock/frmTZSelect.h"

namespace {

using ClockSet = ClockWindow;

RECT FaceIn(const TClockForm& form, const TMyRoVudez& face)
{
    RECT r;
    GetWindowRect(face.Handle(), &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(ClockSet, FacesJoinTheRowOrColumnAndRemovalClosesTheGapInBothLayouts)
{
    for (bool vertical : {false, true}) {
        StoreOption("VertLayout", vertical ? "1" : "0");
        StoreOption("ShowDate", "1");
        DeleteFileA(ClocksPath().c_str());
        TClockForm form(Config());
        for (int i = 0; i < 3; ++i) form.AddItemClick();
        const SIZE grown = form.ClientSize();
        EXPECT_EQ(grown.cx, vertical ? 75 : 300);
        EXPECT_EQ(grown.cy, vertical ? 22 + 4 * 30 : 52);
        for (int i = 0; i < 3; ++i) {
            const TMyRoVudez& face = *form.Clocks->Items(i);
            RECT r = FaceIn(form, face);
            EXPECT_EQ(r.left, vertical ? 0 : 75 * (i + 1)) << i;
            EXPECT_EQ(r.top, vertical ? 22 + 30 * (i + 1) : 22) << i;
            EXPECT_EQ(face.Hint(), "Local time");
            EXPECT_TRUE(face.LocalTime);
            EXPECT_TRUE(face.ShowDate());
            EXPECT_FALSE(face.UseTimer());  // the window's timer drives it
        }
        TMyRoVudez* last = form.Clocks->Items(2);
        form.CurrentClock = form.Clocks->Items(1);
        form.RemoveItemClick();
        ASSERT_EQ(form.Clocks->Count(), 2);
        EXPECT_EQ(form.Clocks->Items(1), last);
        EXPECT_EQ(form.ClientSize().cx, vertical ? 75 : 225);
        EXPECT_EQ(form.ClientSize().cy, vertical ? 22 + 3 * 30 : 52);
        RECT r = FaceIn(form, *last);
        EXPECT_EQ(r.left, vertical ? 0 : 150);
        EXPECT_EQ(r.top, vertical ? 22 + 60 : 22);
        EXPECT_EQ(form.CurrentClock, nullptr);
        // Without a current clock, or on the local one, nothing is removed; the file is written all the same.
        for (TMyRoVudez* current : {static_cast<TMyRoVudez*>(nullptr), form.LocalClock.get()}) {
            form.CurrentClock = current;
            DeleteFileA(ClocksPath().c_str());
            form.RemoveItemClick();
            EXPECT_EQ(form.Clocks->Count(), 2);
            EXPECT_TRUE(ClocksFileThere());
            EXPECT_EQ(StoredClocks().size(), 3u);
        }
    }
}

struct TPick {
    const char* name;
    const char* zone;   // key of the row to click
    const char* typed;  // typed after the click, or null
    const char* label;
};

TEST_F(ClockSet, PickingAZoneSetsZoneIndexAndTheAliasRuleLabel)
{
    const TPick picks[] = {
        {"GMT text alone", "Athens", nullptr, "(GMT+02:00)"},
        {"UTC text alone", "Eastern", nullptr, "(UTC-05:00)"},
        {"typed alias", "Bogota", "Home", "Home"},
        {"GMT without a closing bracket", "Broken", nullptr, ""},
        {"a text without an offset", "Plain", nullptr, "Anchorage"},
    };
    TClockForm form(Config());
    form.AddItemClick();
    TMyRoVudez& face = *form.Clocks->Items(0);
    for (const TPick& p : picks) {
        const int index = ZoneIndex(form, p.zone);
        form.CurrentClock = &face;
        DeleteFileA(ClocksPath().c_str());
        WithDialog<TTZSelectDlg>(
            [&](TTZSelectDlg& dlg) {
                ClickRow(dlg.TZListBox, dlg.TZListBox.IndexOfData(form.TimeZones.Items(index)));
                if (p.typed) dlg.AliasEdit.SetText(p.typed);
                dlg.OKBtn.Click();
            },
            [&] { form.SelectTZItemClick(); });
        EXPECT_EQ(face.Hint(), p.label) << p.name;
        EXPECT_EQ(face.Tag, index) << p.name;
        EXPECT_EQ(face.ZoneKey, p.zone) << p.name;
        EXPECT_FALSE(face.LocalTime) << p.name;
        EXPECT_TRUE(face.TimeZone.SameBytes(form.TimeZones.Items(index)->TZI)) << p.name;
        auto stored = StoredClocks();
        ASSERT_EQ(stored.size(), 2u) << p.name;
        EXPECT_EQ(stored[1].ZoneIndex, index) << p.name;
        EXPECT_EQ(stored[1].ZoneKey, p.zone) << p.name;
        EXPECT_EQ(stored[1].Label, p.label) << p.name;
    }
}

TEST_F(ClockSet, DialogOpensOnTheClocksAliasAndItsOwnZone)
{
    TClockForm form(Config());
    form.AddItemClick();
    TMyRoVudez& face = *form.Clocks->Items(0);
    const int eastern = ZoneIndex(form, "Eastern"), bogota = ZoneIndex(form, "Bogota");
    ASSERT_LT(bogota, eastern);  // so the last equal block is another zone's
    face.LocalTime = false;
    face.TimeZone = form.TimeZones.Items(bogota)->TZI;  // Eastern's block is the same
    face.Tag = bogota;
    face.ZoneKey = "Bogota";
    face.SetHint("Office");
    form.CurrentClock = &face;
    DeleteFileA(ClocksPath().c_str());

    WithDialog<TTZSelectDlg>(
        [&](TTZSelectDlg& dlg) {
            EXPECT_EQ(dlg.AliasEdit.Text(), "Office");
            ASSERT_GE(dlg.TZListBox.ItemIndex(), 0);
            EXPECT_EQ(dlg.TZListBox.Data(dlg.TZListBox.ItemIndex()), form.TimeZones.Items(bogota));
            // The release of the menu's key T reaches the focused list: not a key of the list's.
            PostMessageA(GetFocus(), WM_KEYUP, 'T', 0xC0000001);
            PumpMessages();
            EXPECT_EQ(dlg.AliasEdit.Text(), "Office");
            // Every zone, sorted by its text, each row carrying its own entry.
            ASSERT_EQ(dlg.TZListBox.Count(), 5);
            for (int row = 0; row < dlg.TZListBox.Count(); ++row) {
                auto* zone = static_cast<TTimeZoneInfo*>(dlg.TZListBox.Data(row));
                EXPECT_EQ(dlg.TZListBox.Item(row), zone->DisplayName);
                if (row > 0) {
                    EXPECT_LT(lstrcmpiA(dlg.TZListBox.Item(row - 1).c_str(), zone->DisplayName.c_str()), 0);
                }
            }
            dlg.AliasEdit.SetText("Changed");
            dlg.CancelBtn.Click();
        },
        [&] { form.SelectTZItemClick(); });
    // Cancel changes nothing and writes nothing.
    EXPECT_EQ(face.Hint(), "Office");
    EXPECT_EQ(face.Tag, bogota);
    EXPECT_FALSE(ClocksFileThere());

    // A face without an entry (its load stopped at an unknown index) is found by its block.
    face.Tag = 99;
    face.ZoneKey.clear();
    WithDialog<TTZSelectDlg>(
        [&](TTZSelectDlg& dlg) {
            EXPECT_EQ(dlg.TZListBox.Data(dlg.TZListBox.ItemIndex()), form.TimeZones.Items(eastern));
            dlg.CancelBtn.Click();
        },
        [&] { form.SelectTZItemClick(); });
}

TEST_F(ClockSet, OkWithoutASelectedZoneChangesNothingAndAnEmptyCatalogueListsNothing)
{
    for (const char* zones : {"Zones", "NoZones"}) {
        TClockForm form(Config(zones));
        form.AddItemClick();
        TMyRoVudez& face = *form.Clocks->Items(0);
        form.CurrentClock = &face;
        DeleteFileA(ClocksPath().c_str());
        WithDialog<TTZSelectDlg>(
            [&](TTZSelectDlg& dlg) {
                EXPECT_EQ(dlg.TZListBox.Count(), std::string(zones) == "Zones" ? 5 : 0);
                EXPECT_EQ(dlg.TZListBox.ItemIndex(), -1);  // a local-time face matches no zone
                dlg.AliasEdit.SetText("(GMT+05:00) Edited");
                dlg.OKBtn.Click();
            },
            [&] { form.SelectTZItemClick(); });
        EXPECT_EQ(face.Hint(), "Local time") << zones;
        EXPECT_TRUE(face.LocalTime) << zones;
        EXPECT_EQ(face.Tag, -1) << zones;
        EXPECT_FALSE(ClocksFileThere()) << zones;
    }
    // No current clock: no dialog at all.
    TClockForm form(Config());
    TModalHook hook([](TForm& f) { f.SetModalResult(mrCancel); });
    form.SelectTZItemClick();
    EXPECT_EQ(hook.Shown(), 0);
}

TEST_F(ClockSet, TwelveHourSwitchActsOnTheCurrentFaceAndSaves)
{
    TClockForm form(Config());
    form.AddItemClick();
    form.FormatItemClick();  // no current clock: nothing
    EXPECT_FALSE(form.LocalClock->AM_PM);
    for (TMyRoVudez* face : {form.LocalClock.get(), form.Clocks->Items(0)}) {
        form.CurrentClock = face;
        DeleteFileA(ClocksPath().c_str());
        form.FormatItemClick();
        EXPECT_TRUE(face->AM_PM);
        EXPECT_NE(face->DisplayText().find(' '), std::string::npos);  // the AM/PM designator follows
        EXPECT_TRUE(ClocksFileThere());
    }
    auto stored = StoredClocks();
    EXPECT_TRUE(stored[0].AmPm);
    EXPECT_TRUE(stored[1].AmPm);
}

// One face that grows makes every face grow; each must repaint in its new size, not keep its old
// picture until its own text next changes.
TEST_F(ClockSet, FacesResizedByAnotherFaceRepaint)
{
    const std::pair<const char*, std::function<void(TClockForm&, TMyRoVudez&)>> changes[] = {
        {"font", [](TClockForm&, TMyRoVudez& f) { f.SetFont(TFont("Tahoma", 20, 0, 0x0000FFFF, DEFAULT_CHARSET)); }},
        {"12 hours", [](TClockForm& form, TMyRoVudez& f) {
             form.CurrentClock = &f;
             f.ShowSeconds = true;
             form.FormatItemClick();
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        TClockForm form(Config());
        form.ShowClock();
        form.AddItemClick();
        form.AddItemClick();
        UpdateWindow(form.Handle());
        TMyRoVudez& sibling = *form.Clocks->Items(0);
        for (const TMyRoVudez* face : {form.LocalClock.get(), &sibling}) UpdateWindow(face->Handle());
        ASSERT_FALSE(GetUpdateRect(sibling.Handle(), nullptr, FALSE));
        const RECT before = FaceIn(form, sibling);
        change(form, *form.Clocks->Items(1));
        const RECT after = FaceIn(form, sibling);
        ASSERT_GT(after.right - after.left, before.right - before.left) << "the change grows every face";
        for (const TMyRoVudez* face : {form.LocalClock.get(), &sibling}) {
            RECT dirty{};
            EXPECT_TRUE(GetUpdateRect(face->Handle(), &dirty, FALSE));
            RECT client = face->ClientRect();
            EXPECT_TRUE(EqualRect(&dirty, &client))
                << (face == &sibling ? "moved" : "local") << " face: the whole face, its bevels included";
        }
    }
}

// What a control tells its dialog when the user changes it.
void Notify(HWND dialog, int id, WORD code)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Selects a row of one of the dialog's combo boxes as a user's click does.
void Pick(HWND dialog, int id, const char* text)
{
    HWND combo = GetDlgItem(dialog, id);
    LRESULT row = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    ASSERT_NE(row, CB_ERR) << text;
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    Notify(dialog, id, CBN_SELCHANGE);
}

TEST_F(ClockSet, FontDialogStartsFromTheFaceAndOnlyOkChangesIt)
{
    TClockForm form(Config());
    form.AddItemClick();
    TMyRoVudez& face = *form.Clocks->Items(0);
    form.CurrentClock = &face;
    // A face name that the test machine has, so that the dialog can show it.
    face.SetFont(TFont("DejaVu Serif", 9, fsBold, 0x0000FFFF));
    const TFont before = face.Font();

    DeleteFileA(ClocksPath().c_str());
    LOGFONTA shown{};
    bool effects = false;
    TFontDialog::ShownHook = [&](HWND dialog) {
        SendMessageA(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&shown));
        HWND strikeOut = GetDlgItem(dialog, chx1);
        effects = strikeOut && (GetWindowLongPtrA(strikeOut, GWL_STYLE) & WS_VISIBLE);
        Press(dialog, IDCANCEL);
    };
    form.FntItemClick();
    EXPECT_STREQ(shown.lfFaceName, "DejaVu Serif");
    EXPECT_EQ(shown.lfWeight, FW_BOLD);
    EXPECT_TRUE(effects);
    EXPECT_EQ(face.Font().Name(), before.Name());
    EXPECT_EQ(face.Font().Size(), 9);
    EXPECT_EQ(face.Font().Style(), fsBold);
    EXPECT_EQ(face.Font().Color(), 0x0000FFFFu);
    EXPECT_TRUE(ClocksFileThere());  // written although nothing changed

    COLORREF picked = 0;
    TFontDialog::ShownHook = [&](HWND dialog) {
        Pick(dialog, cmb1, "DejaVu Sans Mono");
        Pick(dialog, cmb2, "Italic");
        SetDlgItemTextA(dialog, cmb3, "12");
        Notify(dialog, cmb3, CBN_EDITCHANGE);
        CheckDlgButton(dialog, chx2, BST_CHECKED);
        Notify(dialog, chx2, BN_CLICKED);
        HWND colors = GetDlgItem(dialog, cmb4);
        SendMessageA(colors, CB_SETCURSEL, 3, 0);
        picked = static_cast<COLORREF>(SendMessageA(colors, CB_GETITEMDATA, 3, 0));
        Notify(dialog, cmb4, CBN_SELCHANGE);
        Press(dialog, IDOK);
    };
    form.FntItemClick();
    TFontDialog::ShownHook = nullptr;
    EXPECT_EQ(face.Font().Name(), "DejaVu Sans Mono");
    EXPECT_EQ(face.Font().Size(), 12);
    EXPECT_EQ(face.Font().Style(), fsItalic | fsUnderline);
    EXPECT_EQ(face.Font().Color(), picked);
    EXPECT_NE(picked, 0x0000FFFFu);
    auto stored = StoredClocks();
    EXPECT_EQ(stored[1].FontName, "DejaVu Sans Mono");
    EXPECT_EQ(stored[1].FontSize, 12);
    EXPECT_EQ(stored[1].FontStyle, fsItalic | fsUnderline);
    // OK on the dialog as it opens gives the face its own font back.
    TFontDialog::ShownHook = [&](HWND dialog) { Press(dialog, IDOK); };
    form.FntItemClick();
    TFontDialog::ShownHook = nullptr;
    EXPECT_EQ(face.Font().Name(), "DejaVu Sans Mono");
    EXPECT_EQ(face.Font().Size(), 12);
    EXPECT_EQ(face.Font().Style(), fsItalic | fsUnderline);
    // The 12-point font needs more than 18 pixels: every face grows alike.
    const RECT r = FaceIn(form, face), local = FaceIn(form, *form.LocalClock);
    EXPECT_GT(r.bottom - r.top, 18);
    EXPECT_EQ(local.bottom - local.top, r.bottom - r.top);
}

// Types the colour into the dialog's red, green and blue fields.
void TypeColor(HWND dialog, COLORREF color)
{
    SetDlgItemInt(dialog, COLOR_RED, GetRValue(color), FALSE);
    SetDlgItemInt(dialog, COLOR_GREEN, GetGValue(color), FALSE);
    SetDlgItemInt(dialog, COLOR_BLUE, GetBValue(color), FALSE);
}

TEST_F(ClockSet, ColourDialogStartsFromTheFaceAndOnlyOkChangesIt)
{
    TClockForm form(Config());
    form.CurrentClock = form.LocalClock.get();
    DeleteFileA(ClocksPath().c_str());
    TColorDialog::ShownHook = [&](HWND dialog) {
        TypeColor(dialog, 0x00336699);
        Press(dialog, IDCANCEL);
    };
    form.BkColorItemClick();
    EXPECT_EQ(form.LocalClock->Color(), 0x00FF0000u);
    EXPECT_TRUE(ClocksFileThere());

    COLORREF started = 0;
    TColorDialog::ShownHook = [&](HWND dialog) {
        TypeColor(dialog, 0x00336699);
        Press(dialog, IDOK);
    };
    form.BkColorItemClick();
    EXPECT_EQ(form.LocalClock->Color(), 0x00336699u);
    EXPECT_EQ(StoredClocks().at(0).Color, 0x00336699u);
    // The next run starts from the face's colour, not the dialog's last one, and shows it: its
    // colour box and fields are open, not only the basic colours.
    form.LocalClock->SetColor(0x00000080);
    bool shown = false;
    TColorDialog::ShownHook = [&](HWND dialog) {
        auto field = [&](int id) { return GetDlgItemInt(dialog, id, nullptr, FALSE); };
        started = RGB(field(COLOR_RED), field(COLOR_GREEN), field(COLOR_BLUE));
        // The dialog itself may not be up yet: the parts' own visibility is what counts.
        auto open = [&](int id) { return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; };
        shown = open(COLOR_RED) && open(COLOR_CURRENT);
        Press(dialog, IDCANCEL);
    };
    form.BkColorItemClick();
    TColorDialog::ShownHook = nullptr;
    EXPECT_EQ(started, 0x00000080u);
    EXPECT_TRUE(shown);
    EXPECT_EQ(form.LocalClock->Color(), 0x00000080u);
}

TEST_F(ClockSet, GrowingWindowStaysOnItsMonitor)
{
    TClockForm form(Config());
    form.ShowClock();
    MONITORINFO mi{sizeof mi};
    GetMonitorInfoA(MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST), &mi);
    const RECT work = mi.rcWork;
    SetWindowPos(form.Handle(), nullptr, work.right - 100, work.top + 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    form.AddItemClick();
    RECT wr;
    GetWindowRect(form.Handle(), &wr);
    EXPECT_EQ(wr.right, work.right);  // moved left just enough
    EXPECT_EQ(wr.top, work.top + 50);
    const int faces = (work.right - work.left) / 75 + 2;
    for (int i = 0; i < faces; ++i) form.AddItemClick();
    GetWindowRect(form.Handle(), &wr);
    EXPECT_EQ(wr.left, work.left);  // never past the left edge
    EXPECT_GT(wr.right, work.right);
}

}  // namespace
