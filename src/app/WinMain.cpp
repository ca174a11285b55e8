// Program start: the application, the windows, the message loop.

#include <windows.h>

#include "alarms/Alarm.h"
#include "app/Main.h"
#include "widgets/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    Application.SetTitle("Doviz Clock");
    Application.Initialize(instance);
    Application.Guard([] {
        // The alarm list and the calendar are made by the clock window when first asked for.
        TClockForm form;
        form.ShowClock();
        Application.Run();
    });
    // The alarms outlive every window.
    FreeAlarms(Alarms);
    return 0;
}
