#include "alarms/frmAlarms.h"

#include <algorithm>

#include "../../res/resource.h"
#include "alarms/frmAlarmProp.h"
#include "base/SystemClock.h"
#include "base/SystemTimeRecord.h"
#include "widgets/Application.h"

TAlarmsForm* AlarmsForm = nullptr;

namespace {

constexpr int FrameWidth = 207;
constexpr int FrameHeight = 203;
constexpr int ButtonSize = 25;
constexpr int Margin = 3;

TForm::TParams AlarmsParams()
{
    TForm::TParams p;
    p.ClassName = "TAlarmsForm";
    p.Caption = "Alarms";
    p.BorderStyle = bsSizeable;
    p.Position = poScreenCenter;
    p.ClientWidth = FrameWidth;
    p.ClientHeight = FrameHeight;
    p.Icon = static_cast<HICON>(
        LoadImageA(Application.Instance(), MAKEINTRESOURCEA(IDI_ALARMS), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    return p;
}

}  // namespace

std::string TLocaleFormatter::LongTime(const TSystemTime& time) const
{
    SYSTEMTIME st = FromRecord(time);
    char buf[100] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, buf, sizeof buf);
    return buf;
}

std::string TLocaleFormatter::ShortDate(const TSystemTime& date) const
{
    SYSTEMTIME st = FromRecord(date);
    char buf[100] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, sizeof buf);
    return buf;
}

TAlarmsForm::TAlarmsForm()
    : TForm(AlarmsParams()),
      AlarmBox(*this, {0, 0, FrameWidth, 145, {}, "List of alarms"}, false, false),
      AddBtn(*this, {Margin, 148, ButtonSize, ButtonSize, {}, "Add alarm"}),
      DelBtn(*this, {Margin + ButtonSize + 2, 148, ButtonSize, ButtonSize, {}, "Delete alarm"}),
      ModifyBtn(*this, {Margin + 2 * (ButtonSize + 2), 148, ButtonSize, ButtonSize, {}, "Modify alarm"}),
      OkBtn(*this, {120, 148, 75, ButtonSize, "OK", "Close the window"})
{
    AlarmsForm = this;
    // The designed size is the whole window's.
    SetWindowPos(Handle(), nullptr, 0, 0, Scale(FrameWidth), Scale(FrameHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT wr;
    GetWindowRect(Handle(), &wr);
    HMONITOR mon = MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO mi{sizeof(mi)};
    if (GetMonitorInfoA(mon, &mi)) {
        const RECT& a = mi.rcWork;
        SetWindowPos(Handle(), nullptr, a.left + (a.right - a.left - Scale(FrameWidth)) / 2,
                     a.top + (a.bottom - a.top - Scale(FrameHeight)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ArrangeControls();

    AddBtn.SetGlyph(IDB_GLYPH_ADD);
    DelBtn.SetGlyph(IDB_GLYPH_DELETE);
    ModifyBtn.SetGlyph(IDB_GLYPH_MODIFY);
    DelBtn.SetEnabled(false);
    ModifyBtn.SetEnabled(false);

    MakeBoldFont();

    AlarmBox.OnClick = [this](TListBox&) { AlarmBoxClick(); };
    AlarmBox.OnKeyUp = [this](TControl&, WORD) { AlarmBoxClick(); };
    AlarmBox.OnMouseUp = [this](TControl&) { AlarmBoxClick(); };
    AddBtn.OnClick = [this](TButton&) { AddBtnClick(); };
    DelBtn.OnClick = [this](TButton&) { DelBtnClick(); };
    ModifyBtn.OnClick = [this](TButton&) { ModifyBtnClick(); };
    OkBtn.OnClick = [this](TButton&) { OkBtnClick(); };
    // Esc closes the list as OK does, as in every dialog of the program.
    CancelButton = &OkBtn;
    OnClose = [this](TForm&, TCloseAction& action) { FormClose(action); };
}

TAlarmsForm::~TAlarmsForm()
{
    if (AlarmsForm == this) AlarmsForm = nullptr;
}

void TAlarmsForm::MakeBoldFont()
{
    LOGFONTA lf{};
    GetObjectA(Font().Handle(), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    boldFont_.Reset(CreateFontIndirectA(&lf));
    if (boldFont_) SendMessageA(OkBtn.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Get()), TRUE);
}

void TAlarmsForm::DpiChanged(UINT)
{
    MakeBoldFont();
    ArrangeControls();
}

void TAlarmsForm::ArrangeControls()
{
    RECT r = ClientRect();
    const int w = r.right, h = r.bottom;
    const int button = Scale(ButtonSize), margin = Scale(Margin);
    const int buttonsTop = std::max(0, h - button - margin);
    MoveWindow(AlarmBox.Handle(), 0, 0, w, std::max(0, buttonsTop - margin), TRUE);
    for (TButton* b : {&AddBtn, &DelBtn, &ModifyBtn}) {
        RECT br = b->BoundsInParent();
        MoveWindow(b->Handle(), br.left, buttonsTop, button, button, TRUE);
    }
    MoveWindow(OkBtn.Handle(), std::max(Scale(Margin + 3 * (ButtonSize + 2) + 4), w - Scale(75) - margin), buttonsTop,
               Scale(75), button, TRUE);
}

LRESULT TAlarmsForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE:
        ArrangeControls();
        break;
    case WM_GETMINMAXINFO: {
        // Small enough to tuck away, large enough that the buttons never overlap.
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {Scale(FrameWidth) * 3 / 4, Scale(FrameHeight) * 3 / 4};
        return 0;
    }
    default:
        break;
    }
    return TForm::WndProc(msg, wParam, lParam);
}

TAlarm* TAlarmsForm::RowAlarm(int index) const
{
    return index < 0 ? nullptr : static_cast<TAlarm*>(AlarmBox.Data(index));
}

void TAlarmsForm::FillAlarmList()
{
    AlarmBox.Clear();
    for (int i = 0; i < Alarms.Count(); ++i) AddAlarmRow(*Alarms.Items(i));
}

void TAlarmsForm::AddAlarmRow(TAlarm& alarm)
{
    if (auto text = AlarmRowText(alarm, format_)) AlarmBox.Add(*text, &alarm);
}

void TAlarmsForm::UpdateAlarmRow(TAlarm& alarm)
{
    int index = AlarmBox.IndexOfData(&alarm);
    if (index < 0) return;
    if (auto text = AlarmRowText(alarm, format_)) AlarmBox.SetItem(index, *text);
}

void TAlarmsForm::RemoveAlarmRow(TAlarm& alarm)
{
    int index = AlarmBox.IndexOfData(&alarm);
    if (index < 0) return;
    AlarmBox.Delete(index);
    UpdateButtons();
}

void TAlarmsForm::UpdateButtons()
{
    bool selected = AlarmBox.ItemIndex() >= 0;
    DelBtn.SetEnabled(selected);
    ModifyBtn.SetEnabled(selected);
}

void TAlarmsForm::AlarmBoxClick()
{
    UpdateButtons();
}

void TAlarmsForm::AddBtnClick()
{
    std::unique_ptr<TAlarm> alarm = NewAlarm(false, SystemClock().LocalNow());
    if (!alarm) return;
    TAlarm& added = *alarm;
    Alarms.Add(alarm.release());
    AddAlarmRow(added);
    KeepChanges();
}

void TAlarmsForm::ModifyBtnClick()
{
    TAlarm* alarm = RowAlarm(AlarmBox.ItemIndex());
    if (!alarm) return;
    // The row is found again by its alarm: timers may have moved the rows while the dialog was open.
    if (!EditAlarm(*alarm)) return;
    UpdateAlarmRow(*alarm);
    KeepChanges();
}

void TAlarmsForm::DelBtnClick()
{
    int index = AlarmBox.ItemIndex();
    TAlarm* alarm = RowAlarm(index);
    if (!alarm) return;
    int at = Alarms.IndexOf(alarm);
    if (at >= 0) DeleteAlarm(Alarms, at);
    AlarmBox.Delete(index);
    UpdateButtons();
    KeepChanges();
}

void TAlarmsForm::KeepChanges()
{
    // Each confirmed change is on disk at once, so a crash while the list is open loses none.
    if (AutoSaveData && AutoSaveData() && SaveAlarms) SaveAlarms();
}

void TAlarmsForm::BringToFront()
{
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}

void TAlarmsForm::OkBtnClick()
{
    Close();
}

void TAlarmsForm::FormClose(TCloseAction& action)
{
    action = caHide;
    KeepChanges();
}
