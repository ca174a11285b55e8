// The alarm commands of the clock menu and the tray menu.

#include "alarms/frmAlarmProp.h"
#include "alarms/frmAlarms.h"
#include "app/Main.h"
#include "base/SystemClock.h"

void TClockForm::AddAlarmItemClick()
{
    std::unique_ptr<TAlarm> alarm = NewAlarm(false, SystemClock().LocalNow());
    if (!alarm) return;
    TAlarm& added = *alarm;
    Alarms.Add(alarm.release());
    // The row goes in whether or not the list is showing, so it is there when it shows.
    if (AlarmsForm) AlarmsForm->AddAlarmRow(added);
    if (AutoSaveData()) SaveAlarms();
}

void TClockForm::AlarmsItemClick()
{
    if (!AlarmsForm) {
        // Made on first need; each opening fills it, so rows added before are there.
        alarmList_ = std::make_unique<TAlarmsForm>();
        alarmList_->AutoSaveData = [this] { return AutoSaveData(); };
        alarmList_->SaveAlarms = [this] { SaveAlarms(); };
    }
    if (AlarmsForm->Visible()) {
        AlarmsForm->BringToFront();
        return;
    }
    // A record that can't be shown ends the fill with its error, and the list stays hidden.
    AlarmsForm->FillAlarmList();
    AlarmsForm->Show();
    SetForegroundWindow(AlarmsForm->Handle());
    SetFocus(AlarmsForm->AlarmBox.Handle());
}
