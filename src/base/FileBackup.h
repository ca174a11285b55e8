#pragma once
// How a data file is kept between its load and the program's saves. The rules:
// - Nothing is saved before the load has finished.
// - A file that the program could not read whole, and did not write itself, is kept as a backup
//   before the first save over it. Backups are numbered and never replaced: "<file>.bak", then
//   "<file>.bak2", and so on; a file equal to one already kept isn't kept again.
// - A file that exists but can't be read is never saved over: each save is skipped until the file
//   can be read, and then kept first.
// - A save that fails, or is skipped, is told once; after a save that works, the next failure is
//   told again. What failed to save stays in memory and goes with the next save.

#include <functional>
#include <string>

#include "base/Stream.h"

enum class TLoadOutcome {
    NotLoaded,   // the load hasn't finished
    Whole,       // read in full, or it is exactly what the program writes for what it read
    Missing,     // no file: nothing to lose
    Short,       // read in part: kept before the first save over it
    Unreadable,  // there but unreadable: never saved over
};

// Judges the load of path once it is done. whole: the reader took in all of the file;
// ownRewrite: the bytes the program would write for what it read (asked only for a short read).
TLoadOutcome JudgeLoad(const std::string& path, TFileAccess& files, bool whole,
                       const std::function<TBytes()>& ownRewrite);

class TFileBackup {
public:
    void Loaded(TLoadOutcome outcome) { outcome_ = outcome; }
    TLoadOutcome Outcome() const { return outcome_; }

    struct TSaved {
        bool Saved;
        std::string Tell;  // what to tell the user: empty when saved, or already told
    };
    // Runs save over path by the rules above.
    TSaved Save(const std::string& path, TFileAccess& files, const std::function<bool()>& save);

private:
    // Keeps the file that is there now, if there is one; false (with what to tell) when it can't.
    bool KeepOldFile(const std::string& path, TFileAccess& files, std::string& failure);
    TSaved Failed(std::string failure);

    TLoadOutcome outcome_ = TLoadOutcome::NotLoaded;
    bool told_ = false;
};

// The n-th backup of a file: "<file>.bak", "<file>.bak2", ...
std::string BackupPath(const std::string& path, int n = 1);

// Takes the bytes a save would write instead of writing them.
class TCaptureFiles : public TFileAccess {
public:
    bool ReadWholeFile(const std::string&, TBytes& contents) override
    {
        contents.clear();
        return Failed(TFileFault::Missing, {});
    }
    bool ReplaceWholeFile(const std::string&, const TBytes& contents) override
    {
        Written = contents;
        return Succeeded();
    }
    TBytes Written;
};
