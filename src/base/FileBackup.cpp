#include "base/FileBackup.h"

namespace {

constexpr int MaxBackups = 99;

std::string Because(const std::string& reason)
{
    return reason.empty() ? std::string(".") : ": " + reason + ".";
}

}  // namespace

std::string BackupPath(const std::string& path, int n)
{
    return path + ".bak" + (n > 1 ? std::to_string(n) : std::string());
}

TLoadOutcome JudgeLoad(const std::string& path, TFileAccess& files, bool whole,
                       const std::function<TBytes()>& ownRewrite)
{
    TBytes read;
    if (!files.ReadWholeFile(path, read))
        return files.LastFault() == TFileFault::Missing ? TLoadOutcome::Missing : TLoadOutcome::Unreadable;
    // An empty file holds nothing to lose.
    if (whole || read.empty()) return TLoadOutcome::Whole;
    // The program's own rewrite of a file it read short reads short the same way: saving over it
    // loses nothing, and keeping it would only hide the first backup among copies of itself.
    return read == ownRewrite() ? TLoadOutcome::Whole : TLoadOutcome::Short;
}

bool TFileBackup::KeepOldFile(const std::string& path, TFileAccess& files, std::string& failure)
{
    TBytes old;
    if (!files.ReadWholeFile(path, old)) {
        if (files.LastFault() == TFileFault::Missing) return true;  // gone: nothing to keep
        failure = "Doviz Clock didn't save " + path + ", because it couldn't read the file that is there" +
                  Because(files.LastReason());
        return false;
    }
    for (int n = 1; n <= MaxBackups; ++n) {
        const std::string backup = BackupPath(path, n);
        TBytes kept;
        if (files.ReadWholeFile(backup, kept)) {
            if (kept == old) return true;
            continue;
        }
        if (files.LastFault() != TFileFault::Missing) continue;  // one we can't read is left alone
        if (files.ReplaceWholeFile(backup, old)) return true;
        failure = "Doviz Clock didn't save " + path + ", because it couldn't keep the old file as " + backup +
                  Because(files.LastReason());
        return false;
    }
    failure = "Doviz Clock didn't save " + path + ", because it keeps no more than " + std::to_string(MaxBackups) +
              " backups of it.";
    return false;
}

TFileBackup::TSaved TFileBackup::Failed(std::string failure)
{
    failure += "\nYour changes are kept while the program runs, and it tries again at each save.";
    if (told_) return {false, {}};
    told_ = true;
    return {false, failure};
}

TFileBackup::TSaved TFileBackup::Save(const std::string& path, TFileAccess& files, const std::function<bool()>& save)
{
    if (outcome_ == TLoadOutcome::NotLoaded) return {false, {}};
    if (outcome_ == TLoadOutcome::Short || outcome_ == TLoadOutcome::Unreadable) {
        std::string failure;
        if (!KeepOldFile(path, files, failure)) return Failed(failure);
        outcome_ = TLoadOutcome::Whole;
    }
    if (!save()) return Failed("Doviz Clock couldn't save " + path + Because(files.LastReason()));
    told_ = false;
    return {true, {}};
}
