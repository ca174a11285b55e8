#pragma once
// Whole files in memory, with the faults of a real disk to order: a file locked for reading (by a
// writer that still lets it be renamed over, as Windows allows) or for writing, a read-only one
// whose attribute can't be cleared, a disk that takes no more.

#include <map>
#include <set>
#include <string>

#include "base/Stream.h"

class TMemoryFiles : public TFileAccess {
public:
    bool ReadWholeFile(const std::string& path, TBytes& contents) override
    {
        contents.clear();
        if (lockedForReading.count(path)) return Failed(TFileFault::Locked, "held by another process");
        auto it = files.find(path);
        if (it == files.end()) return Failed(TFileFault::Missing, "no such file");
        contents = it->second;
        return Succeeded();
    }
    bool ReplaceWholeFile(const std::string& path, const TBytes& contents) override
    {
        if (failWrites) return Failed(TFileFault::Other, "the disk is full");
        if (readOnly.count(path)) return Failed(TFileFault::ReadOnly, "access denied");
        if (lockedForWriting.count(path))
            return Failed(TFileFault::Locked, "held by another process");
        files[path] = contents;
        ++replaces;
        return Succeeded();
    }

    std::map<std::string, TBytes> files;
    std::set<std::string> lockedForReading, lockedForWriting, readOnly;
    bool failWrites = false;
    int replaces = 0;
};
