// How the program ends: closed by the user, its window destroyed, or its session ended.

#include "app/Main.h"

#include <exception>

#include "clock/TimeZones.h"
#include "options/OptionsStore.h"
#include "widgets/Application.h"

bool TClockForm::CloseQuery()
{
    placement_.SaveOnClose();
    FormClose();
    return true;
}

void TClockForm::FormClose()
{
    DeleteAlarmsLeftToWindows();
    if (AutoSaveData()) {
        SaveClocks();
        SaveAlarms();
    }
    Clocks.reset();
    // Closing the main window ends the program.
    Application.Terminate();
}

void TClockForm::FormDestroy()
{
    if (destroyed_) return;
    destroyed_ = true;
    placement_.SaveOnDestroy();
    MainTimer.SetEnabled(false);
    AlarmTimer.SetEnabled(false);
    // Every option goes back to the registry; an error is shown like any other.
    if (Options) {
        // Options half loaded would overwrite the stored ones with defaults.
        if (!loaded_) Options->SetAutoSave(false);
        Application.Guard([this] { Options->Close(); });
        Options.reset();
    }
    TrayIcon.SetActive(false);
    CloseMessageWindows();
    FreeTimeZones(TimeZones);
}

void TClockForm::EndSession()
{
    // The system ends the process once this returns, so no close or destroy step will run: save
    // here what they save, in their order, and ask nothing of the user. Before the load has
    // finished, memory holds less than the disk: nothing is saved.
    if (!loaded_) return;
    endingSession_ = true;
    placement_.SaveOnClose();
    DeleteAlarmsLeftToWindows();
    if (AutoSaveData()) {
        SaveClocks();
        SaveAlarms();
    }
    try {
        if (Options && Options->AutoSave()) Options->Save();
    } catch (const std::exception&) {
        // No message box: nobody would be there to answer it.
    }
}
