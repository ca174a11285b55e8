#pragma once
// Random lives of a few alarms, walked through the program's own decision code (the scheduler,
// "Remind later", the dialog's OK and Cancel, the signal, the file) and through a small reference
// model of the rules for when an alarm is due, written from their words and reckoned second by
// second. Used by the native test and by the alarm_life fuzz target.

#include "alarms/AlarmActions.h"
#include "alarms/AlarmFile.h"
#include "alarms/AlarmLife.h"
#include "alarms/AlarmScheduler.h"
#include "alarms/CronMask.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace life {

// Where the walk's choices come from: a seeded generator or a fuzzer's bytes.
class TChoices {
public:
    virtual ~TChoices() = default;
    virtual unsigned Pick(unsigned n) = 0;  // 0 ... n-1
};

constexpr std::int64_t Day = 86400;

inline std::int64_t Mod(std::int64_t a, std::int64_t b)
{
    return (a % b + b) % b;
}

// What the user confirmed for one alarm.
struct TValues {
    TAlarmKind Kind = akUsual;
    bool Enabled = true;
    std::int64_t Moment = 0;  // a reminder's moment; a usual alarm's time of day is its second of the day
    std::string Mask;
    bool OnceADay = false, OneTime = false, Remove = false, Message = false;

    friend bool operator==(const TValues&, const TValues&) = default;
};

inline TValues ValuesOf(const TAlarm& a)
{
    TValues v;
    v.Kind = a.Kind;
    v.Enabled = a.Enabled;
    std::int64_t s = 0;
    SecondsOf(a.SignalTime, s);
    v.Moment = a.Kind == akUsual ? Mod(s, Day) : a.Kind == akReminder ? s : 0;
    v.Mask = a.Kind == akCron ? a.CronMask : "";
    v.OnceADay = a.Kind == akUsual ? false : a.OnceADay;
    v.OneTime = a.OneTime;
    v.Remove = a.RemoveAfterSignal;
    v.Message = a.MessageOn;
    return v;
}

// As the properties dialog's OK writes them.
inline void WriteValues(TAlarm& a, const TValues& v)
{
    a.Kind = v.Kind;
    a.Enabled = v.Enabled;
    if (v.Kind != akCron) a.SignalTime = RecordOfSeconds(v.Moment);
    if (v.Kind == akCron) a.CronMask = v.Mask;
    a.OnceADay = v.OnceADay;
    a.OneTime = v.OneTime;
    a.RemoveAfterSignal = v.Remove;
    a.MessageOn = v.Message;
}

inline std::string Describe(const TValues& v)
{
    static const char* const kinds[] = {"usual", "reminder", "cron"};
    std::ostringstream s;
    s << kinds[v.Kind % 3] << (v.Enabled ? "" : " disabled") << " " << v.Moment << " '" << v.Mask << "'"
      << (v.OnceADay ? " once-a-day" : "") << (v.OneTime ? " one-time" : "") << (v.Remove ? " remove" : "")
      << (v.Message ? " message" : "");
    return s.str();
}

// ---- the reference model

// The clock's readings at the ticks.
struct TEntry {
    std::int64_t Utc, Local;
};

struct TModelAlarm {
    TValues V;
    std::size_t From = 0;  // the readings after this entry are not yet judged
    std::int64_t LastRung = NoMoment;
    std::int64_t LastSignalDay = NoMoment;
    std::int64_t RemindAt = NoMoment;
    bool Dialog = false;
    int Windows = 0;
};

class TModel {
public:
    std::vector<TEntry> Log;
    std::size_t LastTick = 0;
    std::map<int, TModelAlarm> Alarms;
    std::map<int, TModelAlarm> Disk;  // as last saved

    // The ids that ring at a tick at the last reading.
    std::set<int> Tick()
    {
        std::set<int> rung;
        const std::size_t now = Log.size() - 1;
        for (auto& [id, a] : Alarms) {
            if (a.Dialog) continue;
            if (a.V.Enabled && Rings(a, a.From, now)) rung.insert(id);
            a.From = now;
        }
        LastTick = now;
        return rung;
    }

private:
    // A moment rung in the day up to the last ring is not rung again.
    static bool RungAlready(std::int64_t last, std::int64_t moment)
    {
        return last != NoMoment && moment <= last && moment > last - Day;
    }

    bool Rings(TModelAlarm& a, std::size_t from, std::size_t to)
    {
        const std::int64_t local = Log[to].Local;
        if (a.V.Kind == akReminder && a.V.OnceADay) {
            // Any time at or after its moment, once a day; again on a day it rang before its moment.
            const bool rang = a.LastSignalDay == local / Day - (local < 0) && a.LastRung >= a.V.Moment;
            if (local < a.V.Moment || rang) return false;
            a.LastSignalDay = local / Day - (local < 0);
            a.LastRung = local;
            return true;
        }
        std::optional<std::int64_t> latest;  // the latest moment that occurred
        const TEntry& judged = Log[from];
        const TEntry& tick = Log[to];
        auto passed = [&](std::int64_t m) { return judged.Local < m && m <= tick.Local; };
        const bool reminded = a.V.Kind == akCron && a.RemindAt != NoMoment && passed(a.RemindAt);
        if (a.V.Kind == akReminder && passed(a.V.Moment)) latest = a.V.Moment;
        // Each second of UTC that went by, read in the zone of this tick and in that of the last
        // judgement (a change of zone between them could have come at any moment), never past
        // this tick's reading; looked at minute by minute.
        const std::int64_t elapsed = tick.Utc - judged.Utc;
        const std::int64_t spans[2][2] = {{tick.Local - elapsed + 1, tick.Local},
                                          {judged.Local + 1, std::min(judged.Local + elapsed, tick.Local)}};
        for (const auto& span : spans) {
            if (a.V.Kind == akReminder || elapsed <= 0) break;
            for (std::int64_t minute = span[0] - Mod(span[0], 60); minute <= span[1]; minute += 60) {
                if (a.V.Kind == akCron && MatchCronMask(a.V.Mask, AlarmStampOf(RecordOfSeconds(minute))))
                    latest = std::max(latest.value_or(NoMoment), minute);
                const std::int64_t second = minute + a.V.Moment % 60;
                if (a.V.Kind == akUsual && Mod(minute, Day) == a.V.Moment - a.V.Moment % 60 && span[0] <= second &&
                    second <= span[1])
                    latest = std::max(latest.value_or(NoMoment), second);
            }
        }
        if (a.V.Kind == akCron) {
            if (a.RemindAt != NoMoment && a.RemindAt <= local) a.RemindAt = NoMoment;
            if (!latest) return reminded;
            const std::int64_t day = *latest / Day - (*latest < 0 && *latest % Day);
            if (a.V.OnceADay ? a.LastSignalDay == day : RungAlready(a.LastRung, *latest)) return reminded;
            a.LastRung = *latest;
            a.LastSignalDay = day;
            return true;
        }
        if (!latest || RungAlready(a.LastRung, *latest)) return false;
        a.LastRung = *latest;
        return true;
    }
};

// ---- the program, as its windows drive the decision code

class TMemoryFile : public TFileAccess {
public:
    bool ReadWholeFile(const std::string&, TBytes& contents) override
    {
        contents = Bytes;
        return true;
    }
    bool ReplaceWholeFile(const std::string&, const TBytes& contents) override
    {
        Bytes = contents;
        return true;
    }
    TBytes Bytes;
};

struct TWindow : TAlarmWindow {
    TAlarm* Alarm = nullptr;
    void DetachAlarm() override { Alarm = nullptr; }
};

class TLife {
public:
    // unit: the length of the walk's long steps (a sleep, a clock set back or forward, how far
    // ahead an alarm is set), an hour for the test; shorter to make more lives a second.
    explicit TLife(TChoices& choices, bool autoSave = true, std::int64_t unit = 3600)
        : choices_(choices), autoSave_(autoSave), unit_(unit)
    {
        // Somewhere in 2026, zone offset whole quarters of an hour.
        utc_ = 1'767'225'600 + Pick(365) * Day + Pick(Day);
        offset_ = (static_cast<std::int64_t>(Pick(57)) - 28) * 900;
        model_.Log.push_back({utc_, utc_ + offset_});
        Save();
        Tick();
    }
    ~TLife() { FreeAll(); }

    // One step of a life; false once the program and the model disagree (Failure() says how).
    bool Step()
    {
        const unsigned op = Pick(100);
        std::ostringstream what;
        if (op < 40) {
            Pass(1 + Pick(2));
            what << "tick to " << utc_ + offset_;
        } else if (op < 46) {
            const int id = Add();
            what << "add " << id << ": " << Describe(model_.Alarms.at(id).V);
        } else if (op < 52 && !ids_.empty()) {
            what << "dialog " << OpenDialog();
        } else if (op < 60 && dialog_) {
            const bool ok = Pick(2);
            what << (ok ? "OK " : "Cancel ") << dialogId_;
            CloseDialog(ok);
        } else if (op < 63 && !ids_.empty() && !dialog_) {
            what << "delete " << Delete();
        } else if (op < 70 && !windows_.empty() && !dialog_) {
            what << "remind later " << RemindLaterOnAWindow();
        } else if (op < 75 && !windows_.empty() && !dialog_) {
            what << "custom " << CustomRemind();
        } else if (op < 80 && !windows_.empty()) {
            what << "close window";
            CloseWindow(Pick(static_cast<unsigned>(windows_.size())));
        } else if (op < 84) {
            const std::int64_t by = (1 + Pick(5)) * unit_ + Pick(60);
            what << "asleep " << by << " s";
            Pass(by);
        } else if (op < 88) {
            const std::int64_t by = (1 + Pick(180)) * unit_ / 60;
            what << "set back " << by;
            Jump(-by, 0);
        } else if (op < 91) {
            const std::int64_t by = (1 + Pick(180)) * unit_ / 60;
            what << "set forward " << by;
            Pass(by);
        } else if (op < 94) {
            const std::int64_t by = (static_cast<std::int64_t>(Pick(9)) - 4) * 1800;
            what << "zone " << by;
            Jump(0, by);
        } else if (op < 97 && !dialog_) {
            what << "exit and restart";
            Exit();
        } else {
            what << "killed";
            Kill();
        }
        trace_ << what.str() << "\n";
        return failure_.empty();
    }

    const std::string& Failure() const { return failure_; }
    const std::string Trace() const { return trace_.str(); }

private:
    unsigned Pick(unsigned n) { return choices_.Pick(n); }

    TSystemTime LocalNow() const { return RecordOfSeconds(utc_ + offset_); }

    int IdOf(const TAlarm& a) const { return std::stoi(a.Name); }
    TAlarm* Find(int id)
    {
        for (int i = 0; i < alarms_.Count(); ++i)
            if (IdOf(*alarms_.Items(i)) == id) return alarms_.Items(i);
        return nullptr;
    }

    TValues RandomValues()
    {
        static const char* const masks[] = {"* * * * *", "0,15,30,45 * * * *", "30 * * * *", "0 3 * * *",
                                            "5 12 * * *", "* * * 4 *", "0 0 31 * 2"};
        TValues v;
        const std::int64_t local = utc_ + offset_;
        v.Kind = static_cast<TAlarmKind>(Pick(3));
        v.Enabled = Pick(6) != 0;
        const std::int64_t ahead = static_cast<std::int64_t>(Pick(static_cast<unsigned>(2 * unit_))) - unit_ / 6;
        if (v.Kind == akUsual) v.Moment = Mod(local + ahead, Day);
        if (v.Kind == akReminder) v.Moment = local + ahead;
        if (v.Kind == akCron) v.Mask = masks[Pick(7)];
        v.OnceADay = v.Kind != akUsual && Pick(4) == 0;
        v.OneTime = Pick(2);
        v.Remove = v.OneTime && Pick(2);
        v.Message = Pick(3) != 0;
        return v;
    }

    void Save()
    {
        SaveAlarms(alarms_, "", file_, scheduler_.LastTick());
        model_.Disk = model_.Alarms;
        CheckDisk();
    }

    void KeepIfAutoSave()
    {
        if (autoSave_) Save();
    }

    // The program's timer: one tick at the clock's reading, judged by both.
    void Tick()
    {
        std::set<int> rang;
        const TClockReading now{LocalNow(), RecordOfSeconds(utc_)};
        scheduler_.Tick(alarms_, now, [&](TAlarm& a) {
            if (a.PropDialog) Fail("rang while its dialog was open: " + a.Name);
            rang.insert(IdOf(a));
            if (a.MessageOn) OpenWindow(a);
            DisableAfterSignal(a);
            DeleteIfFinished(a);
        });
        model_.Log.push_back({utc_, utc_ + offset_});
        const std::set<int> expected = model_.Tick();
        for (int id : expected) Signalled(id);
        if (rang != expected) {
            std::ostringstream s;
            s << "at " << utc_ + offset_ << " (UTC " << utc_ << ") rang {";
            for (int id : rang) s << ' ' << id;
            s << " } where the model rings {";
            for (int id : expected) s << ' ' << id;
            s << " }";
            Fail(s.str());
        }
        if (!rang.empty()) KeepIfAutoSave();
    }

    void Signalled(int id)
    {
        TModelAlarm& a = model_.Alarms.at(id);
        if (a.V.Message) ++a.Windows;
        if (a.V.OneTime) a.V.Enabled = false;
        if (!a.V.Enabled && a.V.Remove && a.Windows == 0 && !a.Dialog) model_.Alarms.erase(id);
    }

    void Pass(std::int64_t seconds)
    {
        utc_ += seconds;
        Tick();
    }

    // The clock or the zone changes between two ticks, with no time passing.
    void Jump(std::int64_t utc, std::int64_t offset)
    {
        utc_ += utc;
        offset_ += offset;
        Tick();
    }

    int Add()
    {
        const int id = nextId_++;
        const TValues v = RandomValues();
        auto alarm = std::make_unique<TAlarm>();
        alarm->Name = std::to_string(id);
        WriteValues(*alarm, v);
        alarms_.Add(alarm.release());
        ids_.push_back(id);
        TModelAlarm m;
        m.V = v;
        m.From = model_.LastTick;
        model_.Alarms[id] = m;
        KeepIfAutoSave();
        return id;
    }

    int AnyId() { return ids_[Pick(static_cast<unsigned>(ids_.size()))]; }

    int OpenDialog()
    {
        if (dialog_) return dialogId_;
        const int id = AnyId();
        if (TAlarm* a = Find(id)) {
            dialog_ = a;
            dialogId_ = id;
            a->PropDialog = &dialogWindow_;
            model_.Alarms.at(id).Dialog = true;
        }
        return id;
    }

    void CloseDialog(bool ok)
    {
        TAlarm* a = dialog_;
        dialog_ = nullptr;
        a->PropDialog = nullptr;
        TModelAlarm& m = model_.Alarms.at(dialogId_);
        m.Dialog = false;
        if (ok) {
            const TValues v = RandomValues();
            const TAlarmKind was = a->Kind;
            WriteValues(*a, v);
            ArmAlarm(*a, was);
            const bool newKind = m.V.Kind != v.Kind;
            m.V = v;
            Armed(m, newKind);
            trace_ << "  as " << Describe(v) << "\n";
        }
        if (ok) KeepIfAutoSave();
    }

    // Confirmed: judged from the last tick on; only a cron alarm keeps its "Remind later" moment;
    // another kind has other moments, none of them rung yet.
    void Armed(TModelAlarm& m, bool newKind = false)
    {
        m.From = model_.LastTick;
        if (m.V.Kind != akCron) m.RemindAt = NoMoment;
        if (newKind) m.LastRung = m.LastSignalDay = NoMoment;
    }

    int Delete()
    {
        const std::size_t at = Pick(static_cast<unsigned>(ids_.size()));
        const int id = ids_[at];
        if (TAlarm* a = Find(id)) {
            alarms_.Remove(a);
            delete a;
            model_.Alarms.erase(id);
            KeepIfAutoSave();
        }
        ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(at));
        return id;
    }

    void OpenWindow(TAlarm& a)
    {
        auto w = std::make_unique<TWindow>();
        w->Alarm = &a;
        a.MessageWindows.Add(w.get());
        windows_.push_back(std::move(w));
    }

    TWindow* AnyWindow() { return windows_[Pick(static_cast<unsigned>(windows_.size()))].get(); }

    int RemindLaterOnAWindow()
    {
        TWindow* w = AnyWindow();
        if (!w->Alarm) return -1;
        const int minutes[] = {1, 5, 10, 15};
        const int by = minutes[Pick(4)];
        RemindLater(*w->Alarm, LocalNow(), by);
        TModelAlarm& m = model_.Alarms.at(IdOf(*w->Alarm));
        const std::int64_t moment = utc_ + offset_ + by * 60;
        if (m.V.Kind == akUsual) m.V.Moment = Mod(moment, Day);
        if (m.V.Kind == akReminder) {
            m.V.Moment = moment;
            m.V.OnceADay = false;
        }
        if (m.V.Kind == akCron) m.RemindAt = moment;
        m.V.Enabled = true;
        Armed(m);
        KeepIfAutoSave();
        return IdOf(*w->Alarm);
    }

    int CustomRemind()
    {
        TWindow* w = AnyWindow();
        if (!w->Alarm) return -1;
        TAlarm& a = *w->Alarm;
        // The dialog proposes the alarm enabled at now; only its OK writes anything.
        dialog_ = &a;
        dialogId_ = IdOf(a);
        a.PropDialog = &dialogWindow_;
        model_.Alarms.at(dialogId_).Dialog = true;
        // The dialog stays open for a few ticks.
        const unsigned ticks = Pick(4);
        for (unsigned i = 0; i < ticks; ++i) Pass(1);
        const bool ok = Pick(2);
        trace_ << (ok ? "  OK" : "  Cancel") << " after " << ticks << " ticks\n";
        CloseDialog(ok);
        return dialogId_;
    }

    void CloseWindow(std::size_t at)
    {
        std::unique_ptr<TWindow> w = std::move(windows_[at]);
        windows_.erase(windows_.begin() + static_cast<std::ptrdiff_t>(at));
        if (!w->Alarm) return;
        TAlarm& a = *w->Alarm;
        const int id = IdOf(a);
        a.MessageWindows.Remove(w.get());
        TModelAlarm& m = model_.Alarms.at(id);
        --m.Windows;
        if (a.MessageWindows.Count() == 0 && DeleteIfFinished(a)) {
            model_.Alarms.erase(id);
            KeepIfAutoSave();
        }
    }

    bool DeleteIfFinished(TAlarm& a)
    {
        if (!IsFinishedAlarm(a)) return false;
        alarms_.Remove(&a);
        delete &a;
        return true;
    }

    // Every window and the list go, as at the end of the process.
    void FreeAll()
    {
        if (dialog_) dialog_->PropDialog = nullptr;
        dialog_ = nullptr;
        for (auto& w : windows_)
            if (w->Alarm) w->Alarm->MessageWindows.Remove(w.get());
        windows_.clear();
        FreeAlarms(alarms_);
    }

    void Restart(bool fromDisk)
    {
        FreeAll();
        bool autoSave = autoSave_;
        LoadAlarms(alarms_, "", file_, autoSave);
        scheduler_.Reset();
        model_.Alarms = fromDisk ? model_.Disk : model_.Alarms;
        ids_.clear();
        for (auto& [id, m] : model_.Alarms) {
            m.Dialog = false;
            m.Windows = 0;
            ids_.push_back(id);
        }
        Tick();
    }

    void Exit()
    {
        // A finished alarm kept only by its message windows goes with them.
        for (int i = alarms_.Count() - 1; i >= 0; --i) {
            TAlarm& a = *alarms_.Items(i);
            if (a.Enabled || !a.RemoveAfterSignal || a.MessageWindows.Count() == 0) continue;
            model_.Alarms.erase(IdOf(a));
            for (auto& w : windows_)
                if (w->Alarm == &a) w->Alarm = nullptr;
            DeleteAlarm(alarms_, i);
        }
        KeepIfAutoSave();
        Restart(!autoSave_);
    }

    void Kill() { Restart(true); }

    // What is on disk is what the model last saved, as the user confirmed it.
    void CheckDisk()
    {
        TOvList<TAlarm> read;
        TMemoryStream bytes(file_.Bytes);
        ReadAlarms(bytes, read);
        std::map<int, TValues> onDisk;
        for (int i = 0; i < read.Count(); ++i) onDisk[IdOf(*read.Items(i))] = ValuesOf(*read.Items(i));
        FreeAlarms(read);
        std::map<int, TValues> expected;
        for (const auto& [id, m] : model_.Disk) expected[id] = m.V;
        if (onDisk != expected) Fail("the file does not hold what was confirmed");
    }

    void Fail(const std::string& why)
    {
        if (failure_.empty()) failure_ = why;
    }

    TChoices& choices_;
    bool autoSave_;
    std::int64_t unit_;
    std::int64_t utc_ = 0, offset_ = 0;
    TModel model_;
    TOvList<TAlarm> alarms_;
    TAlarmScheduler scheduler_;
    TMemoryFile file_;
    std::vector<std::unique_ptr<TWindow>> windows_;
    TWindow dialogWindow_;
    TAlarm* dialog_ = nullptr;
    int dialogId_ = -1;
    std::vector<int> ids_;
    int nextId_ = 1;
    std::string failure_;
    std::ostringstream trace_;
};

}  // namespace life
