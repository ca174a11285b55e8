#include "alarms/AlarmActions.h"

void PlayAlarmSound(const TAlarm& alarm, TSoundPlayer& player)
{
    if (!alarm.SoundOn) return;
    if (alarm.SoundFile == DefaultSoundName)
        player.PlayAlias(DefaultSoundAlias);
    else
        player.PlayFile(alarm.SoundFile);
}

void RemindLater(TAlarm& alarm, const TSystemTime& now, int minutes)
{
    const std::uint16_t dayOfWeek = alarm.SignalTime.wDayOfWeek;
    alarm.SignalTime = IncMinutes(now, minutes);
    alarm.SignalTime.wDayOfWeek = dayOfWeek;
    alarm.OnceADay = false;
    alarm.Enabled = true;
}

bool IsFinishedAlarm(const TAlarm& alarm)
{
    return !alarm.Enabled && alarm.RemoveAfterSignal && alarm.MessageWindows.Count() == 0 &&
           alarm.PropDialog == nullptr;
}
