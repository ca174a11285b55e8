// The alarms' tick, what a due alarm does, and the reminders that the menus add.

#include "app/Main.h"

#include "alarms/AlarmLife.h"
#include "alarms/NextRing.h"
#include "alarms/frmAlarmProp.h"
#include "alarms/frmAlarms.h"
#include "alarms/frmMessage.h"
#include "widgets/Application.h"

namespace {

// An action that fails is its own affair: the alarm's other actions still run.
template <typename Action>
void Contained(Action&& action)
{
    try {
        action();
    } catch (const std::exception&) {
    }
}

}  // namespace

void TClockForm::AlarmTimerTimer()
{
    // A save that failed (the file held for a moment by another program) is tried again every
    // few seconds, not only at the next change.
    if (alarmsUnsaved_ && AutoSaveData() && ++retryTicks_ % 5 == 0) SaveAlarms();
    const TClockReading now{Services.Clock->LocalNow(), Services.Clock->UtcNow()};
    scheduler_.Tick(Alarms, now, [this](TAlarm& alarm) { SignalAlarm(alarm); });
    KeepSignalChanges();
    // The tip follows every change to the alarms within a second, whatever made it.
    std::int64_t local;
    if (!SecondsOf(now.Local, local)) return;
    TrayIcon.SetHint(NextAlarmTip(Alarms, local));
    KeepWakeTimer(now, local);
    // Only message windows ring, and each leaves the loop as it goes.
    for (const void* window : ringLoop_.Expire(local))
        static_cast<TMessageForm*>(const_cast<void*>(window))->RangOut();
}

void TClockForm::KeepWakeTimer(const TClockReading& now, std::int64_t local)
{
    // Reckoned on every tick, so every change to the alarms, every signal, a change of time or
    // zone and a resume are all followed within a second; the system hears only of a new moment.
    std::int64_t utc;
    std::optional<std::int64_t> wake;
    if (Options->WakeForAlarms && SecondsOf(now.Utc, utc)) wake = NextWakeUtc(Alarms, local, utc);
    if (wake == wakeSet_ || !Services.Wake) return;
    wakeSet_ = wake;
    if (wake)
        Services.Wake->Set(*wake, true);
    else
        Services.Wake->Cancel();
}

void TClockForm::Resumed()
{
    // What fell due during the sleep rings now, not at the next tick; and the wake timer is set
    // again even at the same moment, since the one that woke the computer is spent. Before the
    // start-up load has finished the timers' first ticks do both.
    if (!loaded_ || destroyed_) return;
    wakeSet_.reset();
    AlarmTimerTimer();
    MainTimerTimer();
}

void TClockForm::SignalAlarm(TAlarm& alarm)
{
    // A sound that repeats needs a window to stop it; without one it plays once.
    const bool repeat = Options->RepeatSound && alarm.SoundOn && alarm.MessageOn;
    if (!repeat) Contained([&] { PlayAlarmSound(alarm, *Services.Sound); });
    if (alarm.MessageOn) {
        TMessageHooks hooks;
        hooks.Clock = Services.Clock;
        hooks.EditAlarm = [](TAlarm& a, const TSystemTime& proposal) { return EditAlarm(a, &proposal); };
        hooks.AlarmChanged = [this](TAlarm& a) {
            if (AlarmsForm) AlarmsForm->UpdateAlarmRow(a);
            // "Remind later" is on disk at once: a crash must not lose the snooze.
            if (AutoSaveData()) SaveAlarms();
        };
        hooks.LastWindowClosed = [this](TAlarm& a) {
            if (DeleteIfFinished(a) && AutoSaveData()) SaveAlarms();
        };
        hooks.Heard = [this](TMessageForm& window) { ringLoop_.Stop(&window); };
        TMessageForm* window = nullptr;
        Contained([&] { window = TMessageForm::Open(alarm, Application.Title(), hooks); });
        std::int64_t now;
        if (repeat && window && SecondsOf(Services.Clock->LocalNow(), now)) {
            ringLoop_.SetPlayer(Services.Sound);
            Contained([&] { ringLoop_.Start(window, alarm, now); });
        } else if (repeat) {
            Contained([&] { PlayAlarmSound(alarm, *Services.Sound); });
        }
    }
    if (alarm.RunOn) Contained([&] { Services.Processes->Start(alarm.CommandLine, alarm.StartFolder); });
    DisableAfterSignal(alarm);
    DeleteIfFinished(alarm);
    // Every signal is kept: what has rung must not ring again after a crash, nor a disabled
    // alarm come back enabled.
    signalChanged_ = true;
}

void TClockForm::KeepSignalChanges()
{
    // Once for the whole tick.
    if (!signalChanged_) return;
    signalChanged_ = false;
    if (AutoSaveData()) SaveAlarms();
}

bool TClockForm::DeleteIfFinished(TAlarm& alarm)
{
    if (!IsFinishedAlarm(alarm)) return false;
    if (AlarmsForm) AlarmsForm->RemoveAlarmRow(alarm);
    Alarms.Remove(&alarm);
    delete &alarm;
    return true;
}

void TClockForm::DeleteAlarmsLeftToWindows()
{
    // At exit, as closing their message windows would have done.
    for (int i = Alarms.Count() - 1; i >= 0; --i) {
        TAlarm& alarm = *Alarms.Items(i);
        if (alarm.Enabled || !alarm.RemoveAfterSignal || alarm.MessageWindows.Count() == 0 || alarm.PropDialog)
            continue;
        if (AlarmsForm) AlarmsForm->RemoveAlarmRow(alarm);
        DeleteAlarm(Alarms, i);
    }
}

void TClockForm::CustomItemClick(TMenuItem* sender)
{
    TSystemTime moment = Services.Clock->LocalNow();
    if (sender && sender->Tag != -1) moment = IncMinutes(moment, sender->Tag);
    AddReminder(moment);
}

void TClockForm::AddReminder(const TSystemTime& moment)
{
    std::unique_ptr<TAlarm> reminder = NewAlarm(true, moment);
    if (!reminder) return;
    TAlarm& alarm = *reminder;
    Alarms.Add(reminder.release());
    if (AlarmsForm) AlarmsForm->AddAlarmRow(alarm);
    if (AutoSaveData()) SaveAlarms();
}

void TClockForm::CloseMessageWindows()
{
    // Their hooks lead back here: no window outlives the clock window.
    for (int i = 0; i < Alarms.Count(); ++i) {
        TOvList<TAlarmWindow>& windows = Alarms.Items(i)->MessageWindows;
        while (windows.Count() > 0) {
            auto* form = dynamic_cast<TMessageForm*>(windows.Items(windows.Count() - 1));
            if (!form) break;
            delete form;
        }
    }
}
