// The alarm engine's costs: a tick over many alarms, a mask match, the alarms file both ways.

#include "alarms/AlarmFile.h"
#include "alarms/AlarmScheduler.h"
#include "alarms/CronMask.h"
#include "alarms/CronSearch.h"
#include "alarms/NextRing.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <random>
#include <string>

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Counted, so that a benchmark can show how often it allocates. GCC takes the malloc/free pair
// inside a replaced operator new/delete for a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

const char* const Masks[] = {
    "0,15,30,45 8 * 2,3,4,5,6 *", "0 12 * * *", "30 8 * 2,3,4,5,6 *", "0 9 13 6 *",
    "*/5 * * * *",                "* 12 * * *", "0,30 * * * *",       "5 4 1,15 * 1,4,7,10",
};

TSystemTime Moment(int y, int mo, int d, int h, int mi, int s)
{
    TSystemTime t;
    t.wYear = y;
    t.wMonth = mo;
    t.wDay = d;
    t.wDayOfWeek = DayOfWeek(EncodeDate(y, mo, d));
    t.wHour = h;
    t.wMinute = mi;
    t.wSecond = s;
    return t;
}

// A third of each kind, with times and masks spread as users would set them.
void MakeAlarms(TOvList<TAlarm>& alarms, int count)
{
    std::mt19937 random(42);
    for (int i = 0; i < count; ++i) {
        auto* a = new TAlarm;
        a->Enabled = true;
        a->Name = "Alarm " + std::to_string(i);
        a->SoundOn = true;
        a->SoundFile = "(Default)";
        a->MessageOn = true;
        a->MessageText = "Time for the thing you said you would do";
        a->Kind = static_cast<TAlarmKind>(i % 3);
        a->SignalTime = Moment(2026, 1 + random() % 12, 1 + random() % 28, random() % 24, random() % 60, 0);
        if (a->Kind == akCron) {
            a->CronMask = Masks[random() % std::size(Masks)];
            a->OnceADay = random() % 4 == 0;
        }
        a->RunOn = i % 10 == 0;
        if (a->RunOn) a->CommandLine = "notepad.exe";
        alarms.Add(a);
    }
}

void BM_Tick10000Alarms(benchmark::State& state)
{
    TOvList<TAlarm> alarms;
    MakeAlarms(alarms, 10000);
    TSystemTime now = Moment(2026, 6, 3, 8, 15, 0);
    long signalled = 0;
    TSignalAlarm signal = [&](TAlarm&) { ++signalled; };
    long before = 0;
    TAlarmScheduler scheduler;
    for (auto _ : state) {
        state.PauseTiming();
        // A second on each time, as the timer ticks: every cron alarm is matched again.
        std::int64_t second = 0;
        SecondsOf(now, second);
        now = RecordOfSeconds(second + 1);
        before = allocations;
        state.ResumeTiming();
        scheduler.Tick(alarms, {now, now}, signal);
        benchmark::DoNotOptimize(signalled);
    }
    state.counters["allocs/tick"] = static_cast<double>(allocations - before);
    state.counters["signals"] = benchmark::Counter(static_cast<double>(signalled), benchmark::Counter::kAvgIterations);
    FreeAlarms(alarms);
}
BENCHMARK(BM_Tick10000Alarms)->Unit(benchmark::kMicrosecond);

// What the tray tip and the wake timer reckon on every change: the soonest of the alarms.
void BM_Soonest10000Alarms(benchmark::State& state)
{
    TOvList<TAlarm> alarms;
    MakeAlarms(alarms, 10000);
    std::int64_t now = 0;
    SecondsOf(Moment(2026, 6, 3, 8, 15, 0), now);
    for (auto _ : state) {
        std::int64_t moment = 0;
        benchmark::DoNotOptimize(SoonestAlarm(alarms, now, moment));
        benchmark::DoNotOptimize(moment);
        now += 60;
    }
    FreeAlarms(alarms);
}
BENCHMARK(BM_Soonest10000Alarms)->Unit(benchmark::kMillisecond);

// The next minute of a mask from reading it: one that never matches, one that matches on a
// weekday's 29 February only (the longest search there is), one of every day.
void BM_NextAfterMask(benchmark::State& state)
{
    static const char* const masks[] = {"0 0 31 * 2", "0 0 29 2 2", "30 8 * * *"};
    const char* mask = masks[state.range(0)];
    state.SetLabel(mask);
    std::int64_t now = 0;
    SecondsOf(Moment(2026, 6, 3, 8, 15, 0), now);
    for (auto _ : state) benchmark::DoNotOptimize(TCronPattern(mask).NextAfter(now));
}
BENCHMARK(BM_NextAfterMask)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_MatchCronMask(benchmark::State& state)
{
    const std::string mask = Masks[state.range(0)];
    state.SetLabel(mask);
    TAlarmStamp stamp{2026, 6, 3, 4, 8, 0};
    bool matched = false;
    for (auto _ : state) {
        stamp.Minute = (stamp.Minute + 15) % 60;
        matched ^= MatchCronMask(mask, stamp);
        benchmark::DoNotOptimize(matched);
    }
}
BENCHMARK(BM_MatchCronMask)->DenseRange(0, static_cast<int>(std::size(Masks)) - 1);

// Files in memory: the codec alone.
class TMemoryFiles : public TFileAccess {
public:
    bool ReadWholeFile(const std::string&, TBytes& contents) override
    {
        contents = file;
        return true;
    }
    bool ReplaceWholeFile(const std::string&, const TBytes& contents) override
    {
        file = contents;
        return true;
    }
    TBytes file;
};

// Files on disk, replaced through a temporary file as the program does.
class TDiskFiles : public TFileAccess {
public:
    bool ReadWholeFile(const std::string& path, TBytes& contents) override
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return true;
    }
    bool ReplaceWholeFile(const std::string& path, const TBytes& contents) override
    {
        std::string temp = path + ".tmp";
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(contents.data()), static_cast<std::streamsize>(contents.size()));
            if (!out) return false;
        }
        return std::rename(temp.c_str(), path.c_str()) == 0;
    }
};

template <class TFiles>
void BM_SaveAlarms100000(benchmark::State& state)
{
    TOvList<TAlarm> alarms;
    MakeAlarms(alarms, 100000);
    TFiles files;
    const std::string folder = "/tmp/doviz-bench-";
    for (auto _ : state) benchmark::DoNotOptimize(SaveAlarms(alarms, folder, files));
    FreeAlarms(alarms);
    std::remove(AlarmFilePath(folder).c_str());
}
BENCHMARK(BM_SaveAlarms100000<TMemoryFiles>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAlarms100000<TDiskFiles>)->Unit(benchmark::kMillisecond);

template <class TFiles>
void BM_LoadAlarms100000(benchmark::State& state)
{
    TOvList<TAlarm> alarms;
    MakeAlarms(alarms, 100000);
    TFiles files;
    const std::string folder = "/tmp/doviz-bench-";
    SaveAlarms(alarms, folder, files);
    FreeAlarms(alarms);
    bool autoSave = true;
    for (auto _ : state) {
        LoadAlarms(alarms, folder, files, autoSave);
        state.PauseTiming();
        if (alarms.Count() != 100000) state.SkipWithError("not every alarm loaded");
        FreeAlarms(alarms);
        state.ResumeTiming();
    }
    std::remove(AlarmFilePath(folder).c_str());
}
BENCHMARK(BM_LoadAlarms100000<TMemoryFiles>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAlarms100000<TDiskFiles>)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
