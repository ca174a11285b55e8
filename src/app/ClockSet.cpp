// The operations of the clock menu on the set of faces: add, remove, zone and alias, 12/24 hours,
// font and background colour. Each change is written to the clocks file at once while
// AutoSaveData is on.

#include "app/Main.h"

#include <algorithm>

#include "app/WorkArea.h"
#include "clock/ZonePick.h"
#include "clock/frmTZSelect.h"

namespace {

constexpr COLORREF FaceBlue = 0x00FF0000;
constexpr COLORREF FaceYellow = 0x0000FFFF;

}  // namespace

void TClockForm::SetFaceDefaults(TMyRoVudez& face)
{
    face.SetColor(FaceBlue);
    // Yellow, bold, 9 pt, in the window's face name and character set.
    face.SetFont(TFont(Font().Name(), 9, fsBold, FaceYellow, Font().Charset()));
    face.LocalTime = true;
    face.Tag = -1;
    face.SetHint("Local time");
    face.PopupMenu = &Popup;
    face.OnSelect = [this](TMyRoVudez& f) { ClockSelected(f); };
    // A face whose text needs more room makes every face grow.
    face.OnTextNeedChange = [this] { Relayout(); };
}

void TClockForm::ClockSelected(TMyRoVudez& face)
{
    CurrentClock = &face;
    const bool zoneClock = &face != LocalClock.get();
    Popup.Find("RemoveItem")->SetEnabled(zoneClock);
    Popup.Find("SelectTZItem")->SetEnabled(zoneClock);
}

void TClockForm::AddItemClick()
{
    if (!Clocks) return;
    auto face = std::make_unique<TMyRoVudez>(Handle());
    SetFaceDefaults(*face);
    face->SetShowDate(Options->ShowDate());
    face->SetLabels(Options->ShowHint());
    face->ShowSeconds = Options->ShowTZSecs();
    face->SetUseTimer(false);
    face->UpdateDisplay();
    Clocks->Add(face.get());
    zoneFaces_.push_back(std::move(face));
    // One face more, placed after the others, the window grown by one face.
    Relayout();
    if (AutoSaveData()) SaveClocks();
}

void TClockForm::RemoveItemClick()
{
    if (CurrentClock && CurrentClock != LocalClock.get() && Clocks) {
        Clocks->Remove(CurrentClock);
        // Every face moves to its place in the shrunk window, closing the gap.
        Relayout();
        auto owned = std::find_if(zoneFaces_.begin(), zoneFaces_.end(),
                                  [this](const auto& f) { return f.get() == CurrentClock; });
        CurrentClock = nullptr;
        if (owned != zoneFaces_.end()) zoneFaces_.erase(owned);
    }
    if (AutoSaveData()) SaveClocks();
}

void TClockForm::SelectTZItemClick()
{
    if (!CurrentClock) return;
    TMyRoVudez& face = *CurrentClock;
    TTZSelectDlg dialog;
    for (int i = 0; i < TimeZones.Count(); ++i) {
        TTimeZoneInfo* zone = TimeZones.Items(i);
        dialog.TZListBox.Add(zone->DisplayName, zone);
    }
    dialog.AliasEdit.SetText(face.Hint());
    // Rows are sorted by text, so the row is found by its entry. Zones may share a block, so
    // the block decides only for a face that has no entry.
    int match = FaceZone(TimeZones, face.ZoneKey, face.Tag, face.TimeZone);
    dialog.TZListBox.SetItemIndex(match < 0 ? -1 : dialog.TZListBox.IndexOfData(TimeZones.Items(match)));

    if (dialog.ShowModal() == mrOk && dialog.TZListBox.ItemIndex() >= 0) {
        auto* zone = static_cast<TTimeZoneInfo*>(dialog.TZListBox.Data(dialog.TZListBox.ItemIndex()));
        face.LocalTime = false;
        face.TimeZone = zone->TZI;
        face.SetHint(AliasFromPick(dialog.AliasEdit.Text()));
        face.Tag = TimeZones.IndexOf(zone);
        face.ZoneKey = zone->KeyName;
        if (AutoSaveData()) SaveClocks();
    }
    // The new zone and label show from the main timer's next tick.
    face.Invalidate();
}

void TClockForm::FormatItemClick()
{
    if (!CurrentClock) return;
    CurrentClock->AM_PM = !CurrentClock->AM_PM;
    CurrentClock->UpdateDisplay();
    if (AutoSaveData()) SaveClocks();
}

void TClockForm::FntItemClick()
{
    if (!CurrentClock) return;
    FontDlg.Font = CurrentClock->Font();
    FontDlg.Execute(Handle());
    // After Cancel the dialog still holds the face's own font.
    CurrentClock->SetFont(FontDlg.Font);
    CurrentClock->UpdateDisplay();
    if (AutoSaveData()) SaveClocks();
}

void TClockForm::BkColorItemClick()
{
    if (!CurrentClock) return;
    ColorDlg.Color = CurrentClock->Color();
    ColorDlg.Execute(Handle());
    CurrentClock->SetColor(ColorDlg.Color);
    CurrentClock->UpdateDisplay();
    if (AutoSaveData()) SaveClocks();
}

void TClockForm::KeepOnMonitor()
{
    RECT wr;
    if (!GetWindowRect(Handle(), &wr)) return;
    RECT w;
    if (!WorkArea(w)) return;
    TLayoutRect placed = KeepInWorkArea({wr.left, wr.top, wr.right - wr.left, wr.bottom - wr.top},
                                        {w.left, w.top, w.right - w.left, w.bottom - w.top});
    if (placed.Left != wr.left || placed.Top != wr.top)
        SetWindowPos(Handle(), nullptr, placed.Left, placed.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
