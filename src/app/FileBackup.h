#pragma once
// A data file that could not be read in full is kept as "<file>.bak" before the first save over
// it, so that a save of what was read never loses the rest.

#include <functional>
#include <string>

#include "base/Stream.h"

class TFileBackup {
public:
    // After each load: whether the file could not be read in full (a missing one counts too; there
    // is then nothing to keep).
    void Loaded(bool incomplete) { pending_ = incomplete; }
    bool Pending() const { return pending_; }

    // Runs save over path, first keeping the old file when a backup is pending. When the old file
    // is there but can't be kept, nothing is saved and the old file stays as it is.
    bool Save(const std::string& path, TFileAccess& files, const std::function<bool()>& save);

private:
    bool pending_ = false;
};

inline std::string BackupPath(const std::string& path)
{
    return path + ".bak";
}
