// Arbitrary bytes as an alarms file. Whatever loads must write and load back to the same records.

#include "alarms/AlarmFile.h"

#include <cstdlib>
#include <cstring>

namespace {

bool SameRecord(const TAlarm& a, const TAlarm& b)
{
    return a.Enabled == b.Enabled && a.SoundOn == b.SoundOn && a.MessageOn == b.MessageOn &&
           a.SignalTime == b.SignalTime && a.Name == b.Name && a.SoundFile == b.SoundFile &&
           a.MessageText == b.MessageText && a.CronFlag == b.CronFlag && a.CronMask == b.CronMask &&
           a.OneTime == b.OneTime && a.RemoveAfterSignal == b.RemoveAfterSignal && a.RunOn == b.RunOn &&
           a.CommandLine == b.CommandLine && a.StartFolder == b.StartFolder && a.Kind == b.Kind &&
           a.OnceADay == b.OnceADay && a.Judged == b.Judged && a.LastRung == b.LastRung &&
           a.RemindAt == b.RemindAt && a.LastSignalled == b.LastSignalled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream file(TBytes(data, data + size));
    TOvList<TAlarm> loaded;
    ReadAlarms(file, loaded);

    TMemoryStream written;
    if (!WriteAlarms(written, loaded)) std::abort();
    TMemoryStream again(written.Bytes());
    TOvList<TAlarm> reloaded;
    ReadAlarms(again, reloaded);
    if (reloaded.Count() != loaded.Count() || again.Remaining() != 0) std::abort();
    for (int i = 0; i < loaded.Count(); ++i)
        if (!SameRecord(*loaded.Items(i), *reloaded.Items(i))) std::abort();

    FreeAlarms(loaded);
    FreeAlarms(reloaded);
    return 0;
}
