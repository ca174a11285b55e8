#include "clock/frmPlan.h"

#include "base/SystemTimeRecord.h"
#include "clock/FaceText.h"
#include "clock/clock.h"

namespace {

TForm::TParams PlanParams()
{
    TForm::TParams p;
    p.ClassName = "TPlanForm";
    p.Caption = "Plan a time";
    p.BorderStyle = bsToolWindow;
    p.MinMaxBoxes = false;
    p.Position = poDesigned;
    p.ClientWidth = 250;
    p.ClientHeight = 114;
    return p;
}

TSystemTime NowMinute()
{
    TSystemTime now = TRoVudez::Clock->UtcNow();
    now.wSecond = 0;
    now.wMilliseconds = 0;
    return now;
}

}  // namespace

LRESULT TPlanSlider::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == VK_HOME && OnHome) {
        OnHome();
        return 0;
    }
    return TTrackBar::SubclassProc(msg, wParam, lParam);
}

TPlanForm::TPlanForm()
    : TForm(PlanParams()),
      TimeLabel(*this, {8, 8, 234, 13, "", {}}),
      DateEdit(*this, {8, 24, 120, 21, {}, {}}),
      TimeEdit(*this, {134, 24, 108, 21, {}, {}}),
      Slider(*this, {4, 52, 242, 26, {}, "15 minutes a step; Page Up and Page Down an hour; Home: now"}),
      CopyBtn(*this, {8, 84, 72, 25, "Copy", "Copy the time at every clock as one line of text"}),
      ReminderBtn(*this, {88, 84, 80, 25, "Add reminder", {}}),
      CloseBtn(*this, {176, 84, 66, 25, "Close", {}})
{
    Slider.SetRange(0, PlanSteps);
    Slider.SetSteps(1, 60 / PlanStepMinutes);
    // A tick every six hours.
    Slider.SetTickFrequency(6 * 60 / PlanStepMinutes);
    CancelButton = &CloseBtn;
    Slider.OnChange = [this](TTrackBar&) { SliderChange(); };
    Slider.OnHome = [this] { SliderHome(); };
    // The calendar offers only the dates a time can be planned on.
    SYSTEMTIME range[2] = {FromRecord(PlanFirstDate), FromRecord(PlanLastDate)};
    SendMessageA(DateEdit.Handle(), DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    DateEdit.OnChange = [this](TDateTimeField&) { FieldChange(); };
    TimeEdit.OnChange = [this](TDateTimeField&) { FieldChange(); };
    CopyBtn.OnClick = [this](TButton&) {
        if (OnCopy) OnCopy();
    };
    ReminderBtn.OnClick = [this](TButton&) {
        if (OnAddReminder) OnAddReminder();
    };
    CloseBtn.OnClick = [this](TButton&) { Close(); };
    OnClose = [this](TForm&, TCloseAction& action) {
        action = caHide;
        if (OnClosed) OnClosed();
    };
}

void TPlanForm::Open(const TPlanField& field, const TPlanZone& local)
{
    const bool fresh = !Visible();
    field_ = field;
    local_ = local;
    TimeLabel.SetText(field.Caption);
    // Minutes only: the faces hide their seconds too.
    SendMessageA(TimeEdit.Handle(), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(TimePicture(field.AM_PM, false)));
    if (fresh) StartNow();
    ShowMoment();
    Show();
    SetForegroundWindow(Handle());
    SetFocus(Slider.Handle());
    Changed();
}

void TPlanForm::StartNow()
{
    start_ = PlanStart(local_, NowMinute());
    moment_ = NowMinute();
}

void TPlanForm::SetMoment(const TSystemTime& utc)
{
    moment_ = utc;
    ShowMoment();
    Changed();
}

void TPlanForm::ShowMoment()
{
    showing_ = true;
    const SYSTEMTIME wall = FromRecord(PlannedTime(field_.Zone, moment_));
    DateEdit.SetValue(wall);
    TimeEdit.SetValue(wall);
    Slider.SetPosition(PlanStepOf(start_, moment_));
    showing_ = false;
}

void TPlanForm::SliderChange()
{
    moment_ = PlanMomentAt(start_, Slider.Position());
    ShowMoment();
    Changed();
}

void TPlanForm::SliderHome()
{
    StartNow();
    ShowMoment();
    Changed();
}

// A typed date or time: the fields stay as typed (a time that does not exist is shown on the
// faces as the moment it names); the slider follows. A date outside the plannable ones is
// not taken: the fields show the moment again.
void TPlanForm::FieldChange()
{
    if (showing_) return;
    TSystemTime wall = ToRecord(DateEdit.Value());
    const SYSTEMTIME time = TimeEdit.Value();
    wall.wHour = time.wHour;
    wall.wMinute = time.wMinute;
    wall.wSecond = 0;
    wall.wMilliseconds = 0;
    if (!PlannableDate(wall)) {
        ShowMoment();
        return;
    }
    moment_ = PlannedUtc(field_.Zone, wall);
    Slider.SetPosition(PlanStepOf(start_, moment_));
    Changed();
}

void TPlanForm::Changed()
{
    if (OnMomentChange) OnMomentChange();
}
