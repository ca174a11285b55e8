// Nothing the user had is lost, whatever happens to the files: each fault, on each of the three
// stores (clocks, alarms, options in an INI file), over two runs of the program. After every
// run, everything that could be read from the file before the fault is still in the file, in a
// backup or in the program's memory, and a save that did not happen was told.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "../support/MemoryFiles.h"
#include "alarms/AlarmFile.h"
#include "app/ClocksCodec.h"
#include "base/FileBackup.h"
#include "options/OvIniFile.h"
#include "options/OvOpts.h"

namespace {

using TItems = std::set<std::string>;
const std::string Folder = "C:\\Doviz\\";
const std::string IniSection = "\\Options";

struct TRunResult {
    TItems Memory;  // what the program holds after its save
    std::string Told;
};

// One store: its file, how a program run treats it, and what a user can get back from bytes.
struct TStore {
    const char* Name;
    std::string Path;
    std::function<TBytes()> UserFile;
    // Everything that can be read from the bytes, with no catalogue to stop it.
    std::function<TItems(const TBytes&)> Items;
    // A run: the load, then one change saved (skipped when the session ends before the load).
    std::function<TRunResult(TMemoryFiles&, bool sessionEndsFirst)> Run;
};

// A catalogue of five zones: an index past it stops the read.
const TZoneKeys SmallCatalogue(5);

std::vector<TClockRecord> Clocks(std::initializer_list<std::pair<int, const char*>> faces)
{
    std::vector<TClockRecord> records;
    for (auto [zone, label] : faces) records.push_back({zone, false, label, "Arial", 9, 0, 1, 0xFF0000, 0xFFFF});
    return records;
}

TBytes ClockBytes(const std::vector<TClockRecord>& records)
{
    TMemoryStream stream;
    WriteClocks(stream, records);
    return stream.Bytes();
}

TItems ClockItems(const std::vector<TReadClock>& read)
{
    TItems items;
    for (const TReadClock& c : read)
        if (c.ReadUpTo >= cfLabel) items.insert(c.Record.Label);
    return items;
}

TRunResult RunClocks(TMemoryFiles& files, bool sessionEndsFirst)
{
    const std::string path = ClocksFilePath(Folder);
    TFileBackup backup;
    std::vector<TReadClock> read = ReadClocksFile(Folder, files, SmallCatalogue);
    std::vector<TClockRecord> records;
    bool whole = !read.empty();
    for (const TReadClock& c : read) {
        records.push_back(c.Record);
        whole = whole && c.Complete();
    }
    TRunResult result{ClockItems(read), {}};
    if (sessionEndsFirst) {
        backup.Save(path, files, [&] { return SaveClocksFile(records, Folder, files); });
        return result;
    }
    backup.Loaded(JudgeLoad(path, files, whole, [&] { return ClockBytes(records); }));
    records.push_back(Clocks({{1, "Added"}})[0]);
    result.Memory.insert("Added");
    result.Told = backup.Save(path, files, [&] { return SaveClocksFile(records, Folder, files); }).Tell;
    return result;
}

TItems AlarmItems(const TOvList<TAlarm>& list)
{
    TItems items;
    for (int i = 0; i < list.Count(); ++i) items.insert(list.Items(i)->Name);
    return items;
}

TBytes AlarmBytes(std::initializer_list<const char*> names)
{
    TOvList<TAlarm> list;
    for (const char* name : names) {
        auto* alarm = new TAlarm;
        alarm->Name = name;
        list.Add(alarm);
    }
    TCaptureFiles capture;
    SaveAlarms(list, Folder, capture);
    FreeAlarms(list);
    return capture.Written;
}

TRunResult RunAlarms(TMemoryFiles& files, bool sessionEndsFirst)
{
    const std::string path = AlarmFilePath(Folder);
    TFileBackup backup;
    TOvList<TAlarm> list;
    bool autoSave = true;
    const bool whole = LoadAlarms(list, Folder, files, autoSave);
    TRunResult result;
    if (!sessionEndsFirst) {
        backup.Loaded(JudgeLoad(path, files, whole, [&] {
            TCaptureFiles capture;
            SaveAlarms(list, Folder, capture);
            return capture.Written;
        }));
        auto* added = new TAlarm;
        added->Name = "Added";
        list.Add(added);
    }
    result.Told = backup.Save(path, files, [&] { return SaveAlarms(list, Folder, files); }).Tell;
    result.Memory = AlarmItems(list);
    FreeAlarms(list);
    return result;
}

TItems IniItems(const TBytes& bytes)
{
    TOvIniDocument document;
    document.Parse(std::string(bytes.begin(), bytes.end()));
    TItems items;
    for (const char* name : {"A", "B", "C"})
        if (auto value = document.Value(IniSection, name)) items.insert(*value);
    return items;
}

TRunResult RunIni(TMemoryFiles& files, bool sessionEndsFirst)
{
    TOvIniFile ini(Folder + "Clock.ini", files);
    TRunResult result;
    for (const char* name : {"A", "B", "C"}) {
        std::string value = ini.ReadString(IniSection, name, "");
        if (!value.empty()) result.Memory.insert(value);
    }
    if (sessionEndsFirst) return result;
    try {
        ini.WriteString(IniSection, "Added", "Added");
    } catch (const EOvOptionsError& e) {
        result.Told = e.what();
    }
    result.Memory.insert("Added");
    return result;
}

const TStore Stores[] = {
    {"clocks", ClocksFilePath(Folder), [] { return ClockBytes(Clocks({{-1, "Here"}, {2, "Paris"}, {4, "Tokyo"}})); },
     [](const TBytes& bytes) {
         TMemoryStream stream(bytes);
         return ClockItems(ReadClocks(stream, TZoneKeys(1000)));
     },
     RunClocks},
    {"alarms", AlarmFilePath(Folder), [] { return AlarmBytes({"Tea", "Train", "Call"}); },
     [](const TBytes& bytes) {
         TMemoryStream stream(bytes);
         TOvList<TAlarm> list;
         ReadAlarms(stream, list);
         TItems items = AlarmItems(list);
         FreeAlarms(list);
         return items;
     },
     RunAlarms},
    {"options", Folder + "Clock.ini",
     [] {
         const std::string text = "[\\Options]\r\nA=Apple\r\nB=Banana\r\nC=Cherry\r\n";
         return TBytes(text.begin(), text.end());
     },
     IniItems, RunIni},
};

// A fault: what it does to the files before the first run, and whether the user must be told at
// the first run. The second run comes after the fault is gone, except where it stays.
struct TFault {
    const char* Name;
    std::function<void(TMemoryFiles&, const TStore&)> Apply;
    bool Told;
    bool StaysForTheSecondRun = false;
    bool SessionEndsFirst = false;
};

void CheckNothingLost(const TStore& store, TMemoryFiles& files, const TItems& had, const TRunResult& run,
                      const std::string& where)
{
    TItems there = run.Memory;
    auto add = [&](const std::string& path) {
        auto it = files.files.find(path);
        if (it == files.files.end()) return false;
        TItems items = store.Items(it->second);
        there.insert(items.begin(), items.end());
        return true;
    };
    add(store.Path);
    for (int n = 1; add(BackupPath(store.Path, n)); ++n) {
    }
    for (const std::string& item : had) EXPECT_TRUE(there.count(item)) << where << ": lost " << item;
}

void RunTwice(const TStore& store, const TFault& fault, const TBytes& onDisk, const std::string& where)
{
    TMemoryFiles files;
    files.files[store.Path] = onDisk;
    const TItems had = store.Items(onDisk);
    fault.Apply(files, store);
    const TMemoryFiles before = files;
    TRunResult first = store.Run(files, fault.SessionEndsFirst);
    if (fault.SessionEndsFirst) {
        EXPECT_EQ(files.replaces, before.replaces) << where << ": wrote during the load";
    }
    CheckNothingLost(store, files, had, first, where + ", first run");
    EXPECT_EQ(!first.Told.empty(), fault.Told) << where << ": " << first.Told;
    if (fault.Told) {
        EXPECT_NE(first.Told.find(store.Path), std::string::npos) << where << ": " << first.Told;
    }
    if (!fault.StaysForTheSecondRun) {
        files.lockedForReading.clear();
        files.lockedForWriting.clear();
        files.readOnly.clear();
        files.failWrites = false;
    }
    TRunResult second = store.Run(files, false);
    CheckNothingLost(store, files, had, second, where + ", second run");
    if (!fault.StaysForTheSecondRun) {
        EXPECT_EQ(second.Told, "") << where;
    }
}

const TFault Faults[] = {
    {"none", [](TMemoryFiles&, const TStore&) {}, false},
    {"read-only", [](TMemoryFiles& f, const TStore& s) { f.readOnly.insert(s.Path); }, true},
    {"locked for reading", [](TMemoryFiles& f, const TStore& s) { f.lockedForReading.insert(s.Path); }, true},
    {"locked for writing", [](TMemoryFiles& f, const TStore& s) { f.lockedForWriting.insert(s.Path); }, true},
    {"a failing write", [](TMemoryFiles& f, const TStore&) { f.failWrites = true; }, true},
    {"locked for reading on both runs", [](TMemoryFiles& f, const TStore& s) { f.lockedForReading.insert(s.Path); },
     true, true},
    {"a session end before the load finished", [](TMemoryFiles&, const TStore&) {}, false, false, true},
};

TEST(NothingLost, EveryFaultOnEveryStore)
{
    for (const TStore& store : Stores)
        for (const TFault& fault : Faults) RunTwice(store, fault, store.UserFile(), std::string(store.Name) + ", " + fault.Name);
}

TEST(NothingLost, AFileCutAtEveryByte)
{
    for (const TStore& store : Stores) {
        const TBytes whole = store.UserFile();
        for (std::size_t size = 0; size < whole.size(); ++size)
            RunTwice(store, Faults[0], TBytes(whole.begin(), whole.begin() + size),
                     std::string(store.Name) + " cut at " + std::to_string(size));
    }
}

TEST(NothingLost, AFileCorruptAtEveryByte)
{
    for (const TStore& store : Stores) {
        const TBytes whole = store.UserFile();
        for (std::size_t at = 0; at < whole.size(); ++at) {
            TBytes corrupt = whole;
            corrupt[at] ^= 0xFF;
            RunTwice(store, Faults[0], corrupt, std::string(store.Name) + " corrupt at " + std::to_string(at));
        }
    }
}

// The reader stops at a zone past the catalogue, and so does the program's own rewrite: later
// runs must keep the first backup. Each run adds a clock after the one that stops the reader, so
// the second run finds a file that holds more than it reads (kept once more); the third finds
// the same file again (kept already).
TEST(NothingLost, AZonePastTheCatalogueOnThreeRuns)
{
    const TStore& clocks = Stores[0];
    TMemoryFiles files;
    const TBytes whole = ClockBytes(Clocks({{-1, "Here"}, {40, "Past"}, {1, "After it"}}));
    files.files[clocks.Path] = whole;
    for (int run = 0; run < 3; ++run) {
        TRunResult result = clocks.Run(files, false);
        CheckNothingLost(clocks, files, clocks.Items(whole), result, "run " + std::to_string(run));
    }
    EXPECT_EQ(files.files.at(BackupPath(clocks.Path)), whole);
    EXPECT_TRUE(clocks.Items(files.files.at(BackupPath(clocks.Path, 2))).count("Added"));
    EXPECT_FALSE(files.files.count(BackupPath(clocks.Path, 3)));
}

// Backups are numbered: a second foreign file read short never replaces the first one.
TEST(NothingLost, ADifferentFileReadShortGetsTheNextBackup)
{
    const TStore& alarms = Stores[1];
    TMemoryFiles files;
    TBytes first = alarms.UserFile(), second = AlarmBytes({"Other"});
    first.resize(first.size() - 3);
    second.resize(second.size() - 3);
    files.files[alarms.Path] = first;
    alarms.Run(files, false);
    files.files[alarms.Path] = second;
    alarms.Run(files, false);
    files.files[alarms.Path] = first;  // the first once more: already kept
    alarms.Run(files, false);
    EXPECT_EQ(files.files.at(BackupPath(alarms.Path)), first);
    EXPECT_EQ(files.files.at(BackupPath(alarms.Path, 2)), second);
    EXPECT_FALSE(files.files.count(BackupPath(alarms.Path, 3)));
}

}  // namespace
