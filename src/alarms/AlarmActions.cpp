#include "alarms/AlarmActions.h"

void PlayAlarmSound(const TAlarm& alarm, TSoundPlayer& player)
{
    if (!alarm.SoundOn) return;
    if (alarm.SoundFile == DefaultSoundName)
        player.PlayAlias(DefaultSoundAlias);
    else
        player.PlayFile(alarm.SoundFile);
}

bool IsFinishedAlarm(const TAlarm& alarm)
{
    return !alarm.Enabled && alarm.RemoveAfterSignal && alarm.MessageWindows.Count() == 0 &&
           alarm.PropDialog == nullptr;
}

bool RingsLate(const TAlarm& alarm, const TSystemTime& now)
{
    if (alarm.Kind != akReminder || alarm.OnceADay) return false;
    try {
        return (SystemTimeToDateTime(now) - SystemTimeToDateTime(alarm.SignalTime)) * 86400.0 > 60.0;
    } catch (const EConvertError&) {
        return false;
    }
}
