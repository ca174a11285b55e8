#include "alarms/frmAlarmProp.h"

#include "alarms/AlarmLife.h"
#include "alarms/CronSearch.h"
#include "alarms/NextRing.h"
#include "alarms/WinAlarmActions.h"
#include "base/SystemClock.h"

#include "../../res/resource.h"
#include "alarms/frmCronMask.h"
#include "widgets/Application.h"
#include "widgets/FileDialogs.h"

TSoundPlayer* PropSoundPlayer = nullptr;

namespace {

TForm::TParams AlPropParams()
{
    return TForm::DialogParams("TAlPropForm", "Alarm properties", 489, 311);
}

constexpr int BoxHeight = 17;
constexpr int FieldHeight = 21;
constexpr int Small = 21;  // the picture buttons

bool FileExists(const std::string& name)
{
    if (name.empty()) return false;
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TOpenFileParams SoundDialog()
{
    return {"Sounds (*.wav)|*.wav", "Sounds", true, true};
}

TOpenFileParams AppDialog()
{
    return {"All files (*.*)|*.*", "Application ", true, false};
}

}  // namespace

TAlPropForm::TAlPropForm()
    : TForm(AlPropParams()),
      Label1(*this, {8, 8, 100, 13, "Alarm name:", {}}),
      NameEdit(*this, {8, 24, 256, FieldHeight, {}, "Just an alarm name"}),
      Label2(*this, {8, 54, 100, 13, "Alarm type:", {}}),
      ReminderRB(*this, {16, 74, 72, BoxHeight, "Reminder", {}}, true),
      DatePicker1(*this, {92, 72, 104, FieldHeight, {}, "Date to signal"}),
      TimePicker2(*this, {92, 96, 104, FieldHeight, {}, "Time to signal"}),
      CronRB(*this, {16, 126, 72, BoxHeight, "Cron", {}}, false),
      CronEdit(*this, {92, 124, 149, FieldHeight, {}, "Cron mask"}),
      MaskEditBtn(*this, {243, 124, Small, Small, {}, {}}),
      OnceADayCB(*this, {92, 150, 172, BoxHeight, "Signal once a day",
                         "Alarm will be signaled on any time, but only once a day."}),
      UsualRB(*this, {16, 178, 72, BoxHeight, "Usual", {}}, false),
      TimePicker1(*this, {92, 176, 104, FieldHeight, {}, "Time to signal"}),
      EnabledCB(*this, {8, 210, 256, BoxHeight, "Alarm is enabled", "Enables or disables alarm"}),
      OneTimeCB(*this, {8, 232, 256, BoxHeight, "Alarm is one-time (reminder)", {}}),
      RemoveCB(*this, {24, 254, 240, BoxHeight, "Remove after signal", {}}),
      Panel4(*this, {272, 8, 209, 262, {}, {}}, bvLowered),
      Label3(*this, {8, 6, 100, 13, "Actions:", {}}, Panel4.Handle()),
      SoundCB(*this, {8, 22, 190, BoxHeight, "Play a &sound", "Play sound"}, Panel4.Handle()),
      DefSoundRB(*this, {24, 40, 112, BoxHeight, "Windows default", "Play Default windows sound"}, true,
                 Panel4.Handle()),
      CustomSoundRB(*this, {140, 40, 64, BoxHeight, "Custom", "Play custom sound"}, false, Panel4.Handle()),
      SoundEdit(*this, {24, 60, 159, FieldHeight, {}, "Path to filename with sound"}, SoundDialog(), Panel4.Handle()),
      PlayBtn(*this, {185, 60, Small, Small, {}, "Test selected sound"}, Panel4.Handle()),
      MessageCB(*this, {8, 88, 190, BoxHeight, "Show a &message", "Show message"}, Panel4.Handle()),
      MessageMemo(*this, {24, 106, 182, 48, {}, "Message text"}, ssVertical, true, Panel4.Handle()),
      RunCB(*this, {8, 160, 190, BoxHeight, "Start an application", "Launch an application"}, Panel4.Handle()),
      Label4(*this, {24, 180, 120, 13, "Command line:", {}}, Panel4.Handle()),
      AppLineEdit(*this, {24, 194, 182, FieldHeight, {}, "Application command line"}, AppDialog(), Panel4.Handle()),
      Label5(*this, {24, 220, 120, 13, "Startup folder:", {}}, Panel4.Handle()),
      AppDirEdit(*this, {24, 234, 159, FieldHeight, {}, "Application startup folder"}, Panel4.Handle()),
      DirBtn(*this, {185, 234, Small, Small, {}, {}}, Panel4.Handle()),
      NextRingLabel(*this, {8, 286, 306, 13, {}, {}}),
      NextRingTimer(1000),
      OkBtn(*this, {322, 280, 75, 25, "OK", {}}),
      CancelBtn(*this, {406, 280, 75, 25, "Cancel", {}})
{
    DatePicker1.SetButtonHint("Show calendar");
    AppLineEdit.BrowseBtn.SetHint("Browse for file ...");
    AppLineEdit.HoldsCommandLine = true;
    MaskEditBtn.SetGlyph(IDB_GLYPH_MASK);
    PlayBtn.SetGlyph(IDB_GLYPH_PLAY);
    DirBtn.SetGlyph(IDB_GLYPH_FOLDER);
    OkBtn.OnClick = [this](TButton&) { OkBtnClick(); };
    OkBtn.SetGlyph(IDB_GLYPH_OK);
    CancelBtn.ModalResult = mrCancel;
    CancelBtn.SetGlyph(IDB_GLYPH_CANCEL);
    CancelButton = &CancelBtn;

    ReminderRB.OnClick = [this](TRadioButton&) { ReminderRBClick(); };
    CronRB.OnClick = [this](TRadioButton&) { UpdateKindControls(); };
    UsualRB.OnClick = [this](TRadioButton&) { UpdateKindControls(); };
    OneTimeCB.OnClick = [this](TCheckBox&) { OneTimeCBClick(); };
    EnabledCB.OnClick = [this](TCheckBox&) { EnabledCBClick(); };
    SoundCB.OnClick = [this](TCheckBox&) { SoundCBClick(); };
    DefSoundRB.OnClick = [this](TRadioButton&) { DefSoundRBClick(); };
    CustomSoundRB.OnClick = [this](TRadioButton&) { DefSoundRBClick(); };
    SoundEdit.OnChange = [this](TEdit&) { SoundEditChange(); };
    MessageCB.OnClick = [this](TCheckBox&) { MessageCBClick(); };
    RunCB.OnClick = [this](TCheckBox&) { RunCBClick(); };
    PlayBtn.OnClick = [this](TButton&) { PlayBtnClick(); };
    DirBtn.OnClick = [this](TButton&) { DirBtnClick(); };
    MaskEditBtn.OnClick = [this](TButton&) { MaskEditBtnClick(); };
    OnceADayCB.OnClick = [this](TCheckBox&) { UpdateNextRing(); };
    DatePicker1.OnChange = [this](TDateTimeField&) { UpdateNextRing(); };
    TimePicker1.OnChange = [this](TDateTimeField&) { UpdateNextRing(); };
    TimePicker2.OnChange = [this](TDateTimeField&) { UpdateNextRing(); };
    CronEdit.OnChange = [this](TEdit&) { UpdateNextRing(); };
    NextRingTimer.OnTimer = [this](TTimer&) { UpdateNextRing(); };
    auto kindKeyUp = [this](TControl&, WORD) { UpdateKindControls(); };
    UsualRB.OnKeyUp = kindKeyUp;
    CronRB.OnKeyUp = kindKeyUp;
    // Key-downs reach the controls' rules through the form, which sees every key first.
    KeyPreview = true;
    OnKeyDown = [this](TForm&, WORD key, TShiftState) { FormKeyDown(key); };

    // The state every new dialog starts in.
    UsualRB.SetChecked(true);
    DefSoundRB.SetChecked(true);
    EnabledCB.SetChecked(true);
    for (TControl* c : std::initializer_list<TControl*>{&DatePicker1, &TimePicker2, &CronEdit, &MaskEditBtn,
                                                         &OnceADayCB, &RemoveCB, &DefSoundRB, &CustomSoundRB,
                                                         &SoundEdit, &PlayBtn, &MessageMemo, &AppLineEdit,
                                                         &AppDirEdit, &DirBtn})
        c->SetEnabled(false);
}

void TAlPropForm::FormKeyDown(WORD key)
{
    HWND focus = GetFocus();
    if (focus == UsualRB.Handle() || focus == CronRB.Handle())
        UpdateKindControls();
    else if (focus == SoundCB.Handle())
        SoundCBClick();
    else if (focus == MessageCB.Handle())
        MessageCBClick();
    else if (focus == RunCB.Handle())
        RunCBClick();
}

void TAlPropForm::UpdateKindControls()
{
    bool reminder = ReminderRB.Checked();
    bool cron = CronRB.Checked();
    DatePicker1.SetEnabled(reminder);
    TimePicker2.SetEnabled(reminder);
    TimePicker1.SetEnabled(UsualRB.Checked());
    CronEdit.SetEnabled(cron);
    MaskEditBtn.SetEnabled(cron);
    OnceADayCB.SetEnabled(cron || reminder);
    UpdateNextRing();
}

void TAlPropForm::UpdateNextRing(std::int64_t now)
{
    // The alarm as OK would leave it: what it rang for is kept while its kind stays.
    TAlarm edited;
    WriteBack(edited);
    if (alarm_) {
        edited.LastRung = alarm_->LastRung;
        edited.LastSignalled = alarm_->LastSignalled;
        edited.RemindAt = alarm_->RemindAt;
        ArmAlarm(edited, alarm_->Kind);
    } else {
        ArmAlarm(edited, edited.Kind);
    }
    const std::string text = NextRingText(edited, now);
    if (text != NextRingLabel.Text()) NextRingLabel.SetText(text);
}

void TAlPropForm::UpdateNextRing()
{
    std::int64_t now;
    if (SecondsOf(SystemClock().LocalNow(), now)) UpdateNextRing(now);
}

void TAlPropForm::ReminderRBClick()
{
    if (ReminderRB.Checked()) {
        OneTimeCB.SetChecked(true);
        RemoveCB.SetChecked(true);
    }
    UpdateKindControls();
}

void TAlPropForm::OneTimeCBClick()
{
    // The check mark of RemoveCB stays as it is.
    RemoveCB.SetEnabled(OneTimeCB.Checked());
}

void TAlPropForm::EnabledCBClick()
{
    // The panel carries its controls: each keeps its own state for when the panel comes back.
    Panel4.SetEnabled(EnabledCB.Checked());
    UpdateNextRing();
}

void TAlPropForm::SoundCBClick()
{
    bool on = SoundCB.Checked();
    DefSoundRB.SetEnabled(on);
    CustomSoundRB.SetEnabled(on);
    DefSoundRBClick();
    if (!on) {
        PlayBtn.SetEnabled(false);
        SoundEdit.SetEnabled(false);
    }
}

void TAlPropForm::DefSoundRBClick()
{
    if (DefSoundRB.Checked())
        PlayBtn.SetEnabled(true);
    else
        SoundEditChange();
    SoundEdit.SetEnabled(!DefSoundRB.Checked());
}

void TAlPropForm::SoundEditChange()
{
    PlayBtn.SetEnabled(FileExists(SoundEdit.FileName()));
}

void TAlPropForm::MessageCBClick()
{
    MessageMemo.SetEnabled(MessageCB.Checked());
}

void TAlPropForm::RunCBClick()
{
    bool on = RunCB.Checked();
    AppLineEdit.SetEnabled(on);
    AppDirEdit.SetEnabled(on);
    DirBtn.SetEnabled(on);
}

void TAlPropForm::PlayBtnClick()
{
    // The one route every sound takes, so that what is tried here is what will ring.
    TSoundPlayer& player = PropSoundPlayer ? *PropSoundPlayer : *SystemAlarmServices().Sound;
    if (DefSoundRB.Checked())
        player.PlayAlias(DefaultSoundAlias);
    else if (FileExists(SoundEdit.FileName()))
        player.PlayFile(SoundEdit.FileName());
}

void TAlPropForm::DirBtnClick()
{
    if (auto folder = BrowseForFolder(Handle(), "Startup folder", AppDirEdit.Text())) AppDirEdit.SetText(*folder);
}

void TAlPropForm::MaskEditBtnClick()
{
    TCronMaskForm editor;
    editor.ListsFromMask(CronEdit.Text());
    if (editor.ShowModal() == mrOk) CronEdit.SetText(editor.Mask());
}

void TAlPropForm::OkBtnClick()
{
    // A mask that admits no minute at all would be kept without a word and never ring.
    if (CronRB.Checked() && !TCronPattern(CronEdit.Text()).NextAfter(0)) {
        const std::string text = "The cron mask \"" + CronEdit.Text() +
                                 "\" matches no minute of any day: this alarm will never ring.\n\nKeep it anyway?";
        if (Application.ShowMessageBox(text, Application.Title(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
            SetFocus(CronEdit.Handle());
            return;
        }
    }
    SetModalResult(mrOk);
}

void TAlPropForm::DetachAlarm()
{
    alarm_ = nullptr;
    SetModalResult(mrCancel);
}

void TAlPropForm::BringToFront()
{
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}
