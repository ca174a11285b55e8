// The two ways the alarm properties dialog is run, and what OK writes back.

#include "alarms/AlarmLife.h"
#include "alarms/frmAlarmProp.h"
#include "base/SystemClock.h"
#include "base/SystemTimeRecord.h"
#include "widgets/Application.h"

namespace {

// The true day of week of a date, or the record unchanged when it is no date.
TSystemTime WithDayOfWeek(TSystemTime t)
{
    try {
        t.wDayOfWeek = DateTimeToSystemTime(SystemTimeToDateTime(t)).wDayOfWeek;
    } catch (const EConvertError&) {
    }
    return t;
}

void ShowNow(TAlPropForm& form)
{
    const SYSTEMTIME now = FromRecord(SystemClock().LocalNow());
    form.DatePicker1.SetDate(now);
    form.TimePicker2.SetTime(now);
}

// Clears the alarm's link to the dialog however the dialog ends, before it is destroyed.
class TPropDialogLink {
public:
    TPropDialogLink(TAlPropForm& form, TAlarm& alarm) : form_(form)
    {
        form.SetAlarm(&alarm);
        alarm.PropDialog = &form;
    }
    ~TPropDialogLink()
    {
        if (TAlarm* alarm = form_.Alarm()) {
            if (alarm->PropDialog == &form_) alarm->PropDialog = nullptr;
            form_.SetAlarm(nullptr);
        }
    }
    TPropDialogLink(const TPropDialogLink&) = delete;
    TPropDialogLink& operator=(const TPropDialogLink&) = delete;

private:
    TAlPropForm& form_;
};

}  // namespace

void TAlPropForm::WriteBack(TAlarm& alarm) const
{
    alarm.Name = NameEdit.Text();
    alarm.SoundOn = SoundCB.Checked();
    alarm.SoundFile = CustomSoundRB.Checked() ? SoundEdit.FileName() : "(Default)";
    alarm.MessageOn = MessageCB.Checked();
    alarm.MessageText = MessageMemo.Text();
    alarm.Enabled = EnabledCB.Checked();
    if (CronRB.Checked()) {
        alarm.Kind = akCron;
        alarm.OnceADay = OnceADayCB.Checked();
        alarm.CronMask = CronEdit.Text();
    } else if (ReminderRB.Checked()) {
        alarm.Kind = akReminder;
        SYSTEMTIME date = DatePicker1.Value();
        SYSTEMTIME time = TimePicker2.Value();
        TSystemTime& t = alarm.SignalTime;
        t.wYear = date.wYear;
        t.wMonth = date.wMonth;
        t.wDay = date.wDay;
        alarm.OnceADay = OnceADayCB.Checked();
        t.wHour = time.wHour;
        t.wMinute = time.wMinute;
        t.wSecond = time.wSecond;
        // Whole seconds: a reminder at midnight is shown as a date alone.
        t.wMilliseconds = 0;
        t = WithDayOfWeek(t);
    } else {
        alarm.Kind = akUsual;
        alarm.SignalTime = WithDayOfWeek(ToRecord(TimePicker1.Value()));
        alarm.SignalTime.wMilliseconds = 0;
    }
    alarm.RunOn = RunCB.Checked();
    if (alarm.RunOn) {
        alarm.CommandLine = AppLineEdit.FileName();
        alarm.StartFolder = AppDirEdit.Text();
    }
    alarm.OneTime = OneTimeCB.Checked();
    if (alarm.OneTime) alarm.RemoveAfterSignal = RemoveCB.Checked();
}

std::unique_ptr<TAlarm> NewAlarm(bool isReminder, const TSystemTime& defaultTime)
{
    TAlPropForm form;
    ShowNow(form);
    form.MessageCB.SetChecked(true);
    form.MessageMemo.SetText("Time to signal ...");
    form.SoundCB.SetChecked(true);
    SYSTEMTIME when = FromRecord(defaultTime);
    if (isReminder) {
        form.TimePicker2.SetTime(when);
        form.DatePicker1.SetDate(when);
        form.OneTimeCB.SetChecked(true);
        form.RemoveCB.SetChecked(true);
        form.ReminderRB.SetChecked(true);
        form.NameEdit.SetText("Unnamed reminder");
    } else {
        form.TimePicker1.SetTime(when);
        form.UsualRB.SetChecked(true);
        form.UpdateKindControls();
        form.NameEdit.SetText("Unnamed alarm");
    }
    form.UpdateNextRing();
    if (form.ShowModal() != mrOk) return nullptr;
    auto alarm = std::make_unique<TAlarm>();
    form.WriteBack(*alarm);
    return alarm;
}

bool EditAlarm(TAlarm& alarm, const TSystemTime* proposal)
{
    const TSystemTime& shown = proposal ? *proposal : alarm.SignalTime;
    // One dialog per alarm: a second "Modify" finds the first.
    if (alarm.PropDialog) {
        if (auto* open = dynamic_cast<TAlPropForm*>(alarm.PropDialog)) open->BringToFront();
        return false;
    }
    TAlPropForm form;
    form.NameEdit.SetText(alarm.Name);

    form.SoundCB.SetChecked(alarm.SoundOn);
    if (alarm.SoundOn) {
        if (alarm.SoundFile != "(Default)") {
            form.CustomSoundRB.SetChecked(true);
            form.SoundEdit.SetFileName(alarm.SoundFile);
            form.DefSoundRBClick();
        }
        form.SoundCBClick();
    }

    form.MessageCB.SetChecked(alarm.MessageOn);
    if (alarm.MessageOn) {
        form.MessageMemo.SetText(alarm.MessageText);
        form.MessageCBClick();
    }

    ShowNow(form);
    switch (alarm.Kind) {
    case akUsual:
        // The whole record must be a date and time, as the field holds one.
        SystemTimeToDateTime(shown);
        form.TimePicker1.SetTime(FromRecord(shown));
        form.UsualRB.SetChecked(true);
        form.UpdateKindControls();
        break;
    case akReminder:
        SystemTimeToDateTime(shown);
        form.TimePicker2.SetTime(FromRecord(shown));
        form.DatePicker1.SetDate(FromRecord(shown));
        form.OnceADayCB.SetChecked(alarm.OnceADay);
        form.ReminderRB.SetChecked(true);
        form.ReminderRBClick();
        break;
    case akCron:
        form.CronEdit.SetText(alarm.CronMask);
        form.OnceADayCB.SetChecked(alarm.OnceADay);
        form.CronRB.SetChecked(true);
        form.UpdateKindControls();
        break;
    default:
        break;
    }

    form.RunCB.SetChecked(alarm.RunOn);
    if (alarm.RunOn) {
        form.RunCBClick();
        form.AppLineEdit.SetText(alarm.CommandLine);
        form.AppDirEdit.SetText(alarm.StartFolder);
        form.RunCBClick();
    }

    form.OneTimeCB.SetChecked(alarm.OneTime);
    if (alarm.OneTime) {
        form.OneTimeCBClick();
        form.RemoveCB.SetChecked(alarm.RemoveAfterSignal);
    }
    form.EnabledCB.SetChecked(proposal || alarm.Enabled);

    TPropDialogLink link(form, alarm);
    form.UpdateNextRing();
    const int result = form.ShowModal();
    if (!form.Alarm()) {
        // Deleted while the dialog was open: whatever was pressed, nothing is left to write into.
        Application.ShowMessageBox("This alarm has been deleted.", Application.Title(), MB_OK | MB_ICONINFORMATION);
        return false;
    }
    if (result != mrOk) return false;
    const TAlarmKind wasKind = alarm.Kind;
    form.WriteBack(alarm);
    ArmAlarm(alarm, wasKind);
    return true;
}
