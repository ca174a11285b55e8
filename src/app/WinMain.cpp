// Program start: the application, the windows, the message loop.

#include <windows.h>

#include "alarms/Alarm.h"
#include "alarms/frmAlarms.h"
#include "alarms/frmCronMask.h"
#include "app/DataFolder.h"
#include "app/Main.h"
#include "app/SingleInstance.h"
#include "calendar/frmCalendar.h"
#include "widgets/Application.h"

int WINAPI WinMain(HINSTANCE module, HINSTANCE, LPSTR, int)
{
    // One copy per data folder: a second start brings the first forward and touches nothing.
    const TDataFolderPlaces places = SystemDataFolderPlaces();
    TClockFormConfig config;
    config.DataFolder = ChooseDataFolder(places);
    TSingleInstance instance(config.DataFolder);
    if (!instance.First()) {
        instance.BringRunningCopyForward();
        return 0;
    }
    SeedDataFolder(places, config.DataFolder);

    Application.SetTitle("Doviz Clock");
    Application.Initialize(module);
    Application.Guard([&config] {
        TClockForm form(config);
        // Made once and never shown: each use of the editor makes a fresh one.
        TCronMaskForm cronMask;
        CronMaskForm = &cronMask;
        TAlarmsForm alarms;
        alarms.AutoSaveData = [&form] { return form.AutoSaveData(); };
        alarms.SaveAlarms = [&form] { form.SaveAlarms(); };
        TCalendarForm calendar;
        form.ShowClock();
        Application.Run();
        CronMaskForm = nullptr;
    });
    // The alarms outlive every window.
    FreeAlarms(Alarms);
    return 0;
}
