// The clocks file of the main window: every face, the local one first, read once at start and
// written after each change.

#include "app/Main.h"

#include <exception>

#include "app/ClocksCodec.h"

namespace {

TClockRecord RecordOf(const TMyRoVudez& face)
{
    const TFont& font = face.Font();
    return {face.Tag, face.AM_PM, face.Hint(), font.Name(), font.Size(), font.Charset(), font.Style(),
            face.Color(), font.Color(), face.ZoneKey};
}

}  // namespace

std::vector<TClockRecord> TClockForm::ClockRecords() const
{
    std::vector<TClockRecord> records{RecordOf(*LocalClock)};
    for (int i = 0; Clocks && i < Clocks->Count(); ++i) records.push_back(RecordOf(*Clocks->Items(i)));
    return records;
}

void TClockForm::SaveClocks()
{
    // After the close step the list is gone and the file already holds the faces.
    if (!Clocks) return;
    try {
        const std::vector<TClockRecord> records = ClockRecords();
        // A failed save leaves the old file whole; the faces go with the next save.
        TellSaveFailure(clocksBackup_
                            .Save(ClocksFilePath(dataFolder_), files_,
                                  [&] { return SaveClocksFile(records, dataFolder_, files_); })
                            .Tell);
    } catch (const std::exception&) {
    }
}

void TClockForm::ApplyClock(TMyRoVudez& face, const TReadClock& read)
{
    const TClockRecord& r = read.Record;
    if (read.ReadUpTo >= cfZone) {
        face.Tag = r.ZoneIndex;
        face.LocalTime = r.ZoneIndex == -1;
        // A name the catalogue no longer has is kept, so the clock finds its zone if it returns.
        face.ZoneKey = r.ZoneKey;
        // An index outside the catalogue ended the load: the face keeps it, and its zero zone.
        if (r.ZoneIndex >= 0 && r.ZoneIndex < TimeZones.Count()) {
            face.TimeZone = TimeZones.Items(r.ZoneIndex)->TZI;
            // A file without names: the zone is the one at the index.
            if (face.ZoneKey.empty()) face.ZoneKey = TimeZones.Items(r.ZoneIndex)->KeyName;
        }
    }
    if (read.ReadUpTo >= cfAmPm) face.AM_PM = r.AmPm;
    if (read.ReadUpTo >= cfLabel) face.SetHint(r.Label);
    TFont font = face.Font();
    if (read.ReadUpTo >= cfFontName) font.SetName(r.FontName);
    if (read.ReadUpTo >= cfFontSize) font.SetSize(r.FontSize);
    if (read.ReadUpTo >= cfFontCharset) font.SetCharset(r.FontCharset);
    if (read.ReadUpTo >= cfFontStyle) font.SetStyle(r.FontStyle);
    if (read.ReadUpTo >= cfColor) face.SetColor(r.Color);
    if (read.ReadUpTo >= cfFontColor) font.SetColor(r.FontColor);
    face.SetFont(font);
    if (!read.Complete()) return;
    if (&face != LocalClock.get()) face.ShowSeconds = Options->ShowTZSecs();
    face.UpdateDisplay();
}

void TClockForm::LoadClocks()
{
    // The faces added here must not write the file that is being read.
    struct TRestore {
        TOvBool& flag;
        const TOvBool was;
        ~TRestore() { flag = was; }
    } restore{Options->AutoSaveData, Options->AutoSaveData};
    Options->AutoSaveData = false;
    bool whole = false;
    try {
        TZoneKeys keys;
        for (int i = 0; i < TimeZones.Count(); ++i) keys.push_back(TimeZones.Items(i)->KeyName);
        std::vector<TReadClock> clocks = ReadClocksFile(dataFolder_, files_, keys);
        whole = !clocks.empty();
        for (const TReadClock& c : clocks) whole = whole && c.Complete();
        for (std::size_t i = 0; i < clocks.size(); ++i) {
            if (i > 0) AddItemClick();
            ApplyClock(i == 0 ? *LocalClock : *Clocks->Items(Clocks->Count() - 1), clocks[i]);
        }
    } catch (const std::exception&) {
        // Errors are silent; what was applied stays, and the file counts as read short.
        whole = false;
    }
    clocksBackup_.Loaded(JudgeLoad(ClocksFilePath(dataFolder_), files_, whole, [this] {
        TMemoryStream ours;
        WriteClocks(ours, ClockRecords());
        return ours.Bytes();
    }));
}
