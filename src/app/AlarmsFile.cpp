// The alarms file of the main window: loaded once at start, saved after each confirmed change and
// each signal, and how a save that failed is told.

#include "app/Main.h"

#include "alarms/AlarmFile.h"
#include "widgets/Application.h"

void TClockForm::SaveAlarms()
{
    // A failed save leaves the old file whole; the alarms go with the next save.
    const auto saved = alarmsBackup_.Save(AlarmFilePath(dataFolder_), files_, [this] {
        return ::SaveAlarms(Alarms, dataFolder_, files_, scheduler_.LastTick());
    });
    alarmsUnsaved_ = !saved.Saved;
    TellSaveFailure(saved.Tell);
}

void TClockForm::LoadAlarms()
{
    const bool whole = ::LoadAlarms(Alarms, dataFolder_, files_, Options->AutoSaveData);
    alarmsBackup_.Loaded(JudgeLoad(AlarmFilePath(dataFolder_), files_, whole, [this] {
        TCaptureFiles ours;
        ::SaveAlarms(Alarms, dataFolder_, ours);
        return ours.Written;
    }));
}

void TClockForm::TellSaveFailure(const std::string& text)
{
    // At the session's end nobody is there to read it.
    if (text.empty() || endingSession_) return;
    if (Hidden && TrayIcon.ShowBalloon("Doviz Clock", text)) return;
    Application.ShowMessageBox(text, "Doviz Clock", MB_OK | MB_ICONWARNING);
}
