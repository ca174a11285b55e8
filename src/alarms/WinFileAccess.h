#pragma once
// Whole-file reads and crash-safe replacement through the Win32 file API.

#include "base/Stream.h"

class TWinFileAccess : public TFileAccess {
public:
    bool ReadWholeFile(const std::string& path, TBytes& contents) override;
    // Writes a temporary file in the same folder, then moves it over the old one.
    bool ReplaceWholeFile(const std::string& path, const TBytes& contents) override;
};
