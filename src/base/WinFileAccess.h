#pragma once
// The one whole-file writer of the program's files (clocks, alarms, INI), and their reader,
// through the Win32 file API.

#include <string>

#include "base/Stream.h"

class TWinFileAccess : public TFileAccess {
public:
    bool ReadWholeFile(const std::string& path, TBytes& contents) override;
    // A temporary file of a unique name in the same folder, written and flushed, then moved over
    // the old file, whose read-only attribute is cleared first.
    bool ReplaceWholeFile(const std::string& path, const TBytes& contents) override;

protected:
    // The last step; tests stand in the refusals of file systems that Wine doesn't have.
    virtual bool MoveOver(const std::string& temp, const std::string& path);
};

// The system's words for an error code, without the line break.
std::string SystemErrorText(unsigned long error);
