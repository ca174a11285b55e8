// Program start: the application, the windows, the message loop.

#include <windows.h>

#include "alarms/Alarm.h"
#include "app/DataFolder.h"
#include "app/Main.h"
#include "app/SingleInstance.h"
#include "widgets/Application.h"
#include "widgets/SystemLibrary.h"

int WINAPI WinMain(HINSTANCE module, HINSTANCE, LPSTR, int)
{
    // Before anything maps a library on demand: none may come from the program's own folder.
    RestrictLibrarySearch();
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
        // The alarm list and the calendar are made by the clock window when first asked for.
        TClockForm form(config);
        form.ShowClock();
        Application.Run();
    });
    // The alarms outlive every window.
    FreeAlarms(Alarms);
    return 0;
}
