// Program start: the application, the windows, the message loop.

#include <windows.h>

#include "alarms/Alarm.h"
#include "alarms/frmAlarms.h"
#include "alarms/frmCronMask.h"
#include "app/Main.h"
#include "calendar/frmCalendar.h"
#include "widgets/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    Application.SetTitle("Doviz Clock");
    Application.Initialize(instance);
    Application.Guard([] {
        TClockForm form;
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
