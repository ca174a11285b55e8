#include "app/FileBackup.h"

bool TFileBackup::Save(const std::string& path, TFileAccess& files, const std::function<bool()>& save)
{
    if (pending_) {
        TBytes old;
        // A file that can't be read now (gone, or locked) is kept from nothing; the save then
        // either makes the file ours or fails as it would have.
        if (files.ReadWholeFile(path, old)) {
            if (!files.ReplaceWholeFile(BackupPath(path), old)) return false;
            pending_ = false;
        }
    }
    bool saved = save();
    if (saved) pending_ = false;
    return saved;
}
