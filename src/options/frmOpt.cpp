#include "options/frmOpt.h"

#include "../../res/resource.h"

namespace {

// The rows of check boxes added below the original ones; everything under them moves down by them.
constexpr int RowStep = 3 * 24;

TForm::TParams OptParams()
{
    return TForm::DialogParams("TOptForm", "Doviz Clock options", 318, 236 + RowStep);
}

constexpr int LeftColumn = 8;
constexpr int RightColumn = 168;
constexpr int LeftWidth = 158;
constexpr int RightWidth = 148;
constexpr int BoxHeight = 17;

}  // namespace

TOptForm::TOptForm()
    : TForm(OptParams()),
      UpperPanel(*this, {0, 0, 318, 169 + RowStep, {}, {}}, bvLowered),
      OnTopCB(*this, {LeftColumn, 8, LeftWidth, BoxHeight, "Always on top", "Clock always stays on top"},
              UpperPanel.Handle()),
      DateCB(*this, {RightColumn, 8, RightWidth, BoxHeight, "Show dates", "Show date in every clock"},
             UpperPanel.Handle()),
      CaptionCB(*this, {LeftColumn, 32, LeftWidth, BoxHeight, "Show caption", "Show clock caption"},
                UpperPanel.Handle()),
      HintCB(*this, {RightColumn, 32, RightWidth, BoxHeight, "Show labels", "Show clock labels in every clock"},
             UpperPanel.Handle()),
      ShowTrayCB(*this,
                 {LeftColumn, 56, LeftWidth, BoxHeight, "Always show tray icon",
                  "Show Doviz Clock icon in tray (left to the system clock) \r\neven when the clock is not minimized"},
                 UpperPanel.Handle()),
      ShowSecCB(*this,
                {RightColumn, 56, RightWidth, BoxHeight, "Seconds for local time", "Show seconds in local-time clock"},
                UpperPanel.Handle()),
      DayTimeCB(*this,
                {LeftColumn, 80, LeftWidth, BoxHeight, "Daylight time adjustment",
                 "Correct time acording to daylight saving time adjustment"},
                UpperPanel.Handle()),
      ShowTZSecsCB(*this,
                   {RightColumn, 80, RightWidth, BoxHeight, "Seconds for other clocks",
                    "Show seconds in time zone clocks"},
                   UpperPanel.Handle()),
      // "&&" shows one ampersand.
      AutoSaveDataCB(*this,
                     {LeftColumn, 104, 200, BoxHeight, "Autosave clock && alarm settings",
                      "Automatically save clock and alarms settings on change"},
                     UpperPanel.Handle()),
      StartWithWindowsCB(*this,
                         {LeftColumn, 128, LeftWidth, BoxHeight, "Start with Windows",
                          "Start Doviz Clock whenever you log on to Windows"},
                         UpperPanel.Handle()),
      ZoneDSTCB(*this,
                {RightColumn, 128, RightWidth, BoxHeight, "Daylight saving per zone",
                 "Each time-zone clock follows its own zone's daylight saving rules"},
                UpperPanel.Handle()),
      RepeatSoundCB(*this,
                    {LeftColumn, 152, 300, BoxHeight, "Repeat the sound until the message is closed",
                     "A ringing alarm keeps sounding until its message window is closed or reminded later"},
                    UpperPanel.Handle()),
      WakeForAlarmsCB(*this,
                      {LeftColumn, 176, 300, BoxHeight, "Wake the computer for alarms",
                       "Wakes the computer from sleep for the next alarm, where the computer allows it"},
                      UpperPanel.Handle()),
      Label2(*this, {LeftColumn, 128 + RowStep, 94, 26, "Double-click action:", {}}, UpperPanel.Handle()),
      ActionCombo(*this,
                  {104, 128 + RowStep, 153, 21, {},
                   "Action to be taken, when tray icon or caption \r\nis double-clicked with the left mouse button"},
                  {"Show/hide clock ", "Add clock", "Add alarm", "Add reminder", "Show calendar", "Set options",
                   "Plan a time"},
                  UpperPanel.Handle()),
      LowerPanel(*this, {0, 169 + RowStep, 318, 32, {}, "Clock layout"}, bvRaised),
      Label1(*this, {8, 8, 40, 13, "Layout:", {}}, LowerPanel.Handle()),
      HorzRB(*this, {56, 8, 80, BoxHeight, "Horizontal", {}}, true, LowerPanel.Handle()),
      VertRB(*this, {144, 8, 80, BoxHeight, "Vertical", {}}, false, LowerPanel.Handle()),
      OkBtn(*this, {81, 208 + RowStep, 75, 25, "OK", {}}),
      CancelBtn(*this, {161, 208 + RowStep, 75, 25, "Cancel", {}})
{
    HorzRB.SetChecked(true);
    OkBtn.ModalResult = mrOk;
    OkBtn.SetGlyph(IDB_GLYPH_OK);
    CancelBtn.ModalResult = mrCancel;
    CancelBtn.SetGlyph(IDB_GLYPH_CANCEL);
    CancelButton = &CancelBtn;
    // Per-zone rules replace the one hour for all; the hour's own value is kept meanwhile.
    ZoneDSTCB.OnClick = [this](TCheckBox& box) { DayTimeCB.SetEnabled(!box.Checked()); };
}

void TOptForm::ReadOptions(const TClockOptions& options)
{
    // Unchecking VertRB would leave neither button checked; HorzRB keeps its check from the form.
    if (options.VertLayout()) VertRB.SetChecked(true);
    OnTopCB.SetChecked(options.OnTop());
    CaptionCB.SetChecked(options.ShowCaption());
    DateCB.SetChecked(options.ShowDate());
    HintCB.SetChecked(options.ShowHint());
    ShowSecCB.SetChecked(options.ShowSecs());
    DayTimeCB.SetChecked(options.DayTime());
    ShowTrayCB.SetChecked(options.ShowTrayIcon());
    ShowTZSecsCB.SetChecked(options.ShowTZSecs());
    StartWithWindowsCB.SetChecked(options.StartWithWindows());
    ZoneDSTCB.SetChecked(options.ZoneDST());
    AutoSaveDataCB.SetChecked(options.AutoSaveData);
    RepeatSoundCB.SetChecked(options.RepeatSound);
    WakeForAlarmsCB.SetChecked(options.WakeForAlarms);
    // An action outside the list selects nothing.
    ActionCombo.SetItemIndex(IsBindable(options.DblClickAction()) ? options.DblClickAction() : -1);
}

void TOptForm::ApplyOptions(TClockOptions& options) const
{
    options.SetVertLayout(VertRB.Checked());
    options.SetOnTop(OnTopCB.Checked());
    options.SetShowCaption(CaptionCB.Checked());
    options.SetShowDate(DateCB.Checked());
    options.SetShowHint(HintCB.Checked());
    options.SetShowSecs(ShowSecCB.Checked());
    options.SetShowTZSecs(ShowTZSecsCB.Checked());
    options.SetDayTime(DayTimeCB.Checked());
    options.SetShowTrayIcon(ShowTrayCB.Checked());
    options.SetZoneDST(ZoneDSTCB.Checked());
    options.SetStartWithWindows(StartWithWindowsCB.Checked());
    options.AutoSaveData = AutoSaveDataCB.Checked();
    options.RepeatSound = RepeatSoundCB.Checked();
    options.WakeForAlarms = WakeForAlarmsCB.Checked();
    // No selection: the stored action is assigned again, so an unbindable one stays as it was read
    // (and is saved back so) and still binds nothing.
    int index = ActionCombo.ItemIndex();
    options.SetDblClickAction(index < 0 ? options.DblClickAction() : static_cast<TDblClickAction>(index));
}

bool RunOptionsDialog(TClockOptions& options)
{
    TOptForm form;
    form.ReadOptions(options);
    if (form.ShowModal() != mrOk) return false;
    form.ApplyOptions(options);
    return true;
}
