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
    // One copy per data folder: the folder's lock is the first thing a start touches. A second
    // start brings the first forward, or says why it can't, and ends touching nothing else.
    const TDataFolderPlaces places = SystemDataFolderPlaces();
    TDataFolder data = ChooseDataFolder(places);
    if (data.Lock.State() == TFolderLockState::Busy) {
        if (!BringRunningCopyForward(data.Folder))
            MessageBoxA(nullptr, AlreadyRunningText(data.Folder).c_str(), "Doviz Clock", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    SeedDataFolder(places, data.Folder);
    TClockFormConfig config;
    config.DataFolder = data.Folder;

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
