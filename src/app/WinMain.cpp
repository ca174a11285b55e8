// Program start: the application, the windows, the message loop.

#include <windows.h>

#include "alarms/Alarm.h"
#include "app/Main.h"
#include "calendar/frmCalendar.h"
#include "widgets/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    Application.SetTitle("Doviz Clock");
    Application.Initialize(instance);
    Application.Guard([] {
        TClockForm form;
        TCalendarForm calendar;
        form.ShowClock();
        Application.Run();
    });
    // The alarms outlive every window.
    FreeAlarms(Alarms);
    return 0;
}
