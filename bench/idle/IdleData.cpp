// Writes the data files of the idle-cost run into a folder: N clocks (the local one and N - 1
// zone clocks) and a number of alarms that never signal while it runs.
//   doviz_idle_data.exe FOLDER N ALARMS

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "alarms/AlarmFile.h"

namespace {

bool WriteFile(const std::string& path, const TBytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

void WriteText(TStream& s, const std::string& text)
{
    WriteInt32(s, static_cast<std::int32_t>(text.size()));
    s.Write(text.data(), text.size());
}

// One record of the clocks file, in its field order.
void WriteClock(TStream& s, int zone, const std::string& label)
{
    WriteInt32(s, zone);
    WriteUInt8(s, 0);
    WriteText(s, label);
    WriteText(s, "MS Sans Serif");
    WriteInt32(s, 9);
    WriteInt32(s, 1);
    WriteUInt8(s, 1);
    WriteInt32(s, 0x00FF0000);
    WriteInt32(s, 0x0000FFFF);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: doviz_idle_data FOLDER N ALARMS\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    int clocks = std::max(1, atoi(argv[2]));
    int alarmCount = std::max(0, atoi(argv[3]));

    TMemoryStream clk;
    WriteInt32(clk, clocks);
    WriteClock(clk, -1, "Local time");
    for (int i = 1; i < clocks; ++i) WriteClock(clk, (i * 13) % 100, "Zone " + std::to_string(i));

    // Usual alarms twelve hours away, reminders long past, and cron masks for the 31st of February.
    SYSTEMTIME now;
    GetLocalTime(&now);
    TOvList<TAlarm> alarms;
    for (int i = 0; i < alarmCount; ++i) {
        auto* a = new TAlarm;
        a->Enabled = true;
        a->Name = "Idle " + std::to_string(i);
        a->Kind = static_cast<TAlarmKind>(i % 3);
        a->SignalTime = TSystemTime{static_cast<std::uint16_t>(a->Kind == akReminder ? 2001 : now.wYear),
                                    now.wMonth, 0, static_cast<std::uint16_t>(std::min<int>(now.wDay, 28)), static_cast<std::uint16_t>((now.wHour + 12) % 24),
                                    now.wMinute, 0, 0};
        a->CronMask = "0 0 31 * 2";
        a->SoundOn = true;
        a->SoundFile = "(Default)";
        a->MessageOn = true;
        a->MessageText = "Time to signal ...";
        alarms.Add(a);
    }
    TMemoryStream alm;
    WriteAlarms(alm, alarms);
    FreeAlarms(alarms);

    bool ok = WriteFile(folder + "RoVudez.clk", clk.Bytes()) && WriteFile(folder + AlarmFileName, alm.Bytes());
    return ok ? 0 : 1;
}
