#pragma once
// One running copy per data folder. A named mutex, named after the folder, tells a second start
// that a copy runs; a registered window message, carrying the folder's key, asks that copy's
// clock window to come to the front.

#include <windows.h>

#include <cstdint>
#include <string>

// The key of a data folder: a hash of its full, long, upper-case path, so that every spelling of
// one folder gives one key.
std::uint64_t DataFolderKey(const std::string& folder);

// The message a clock window answers with 1 when lParam is its data folder's key, after showing
// itself as "Show clock" does.
UINT ShowRunningCopyMessage();

class TSingleInstance {
public:
    explicit TSingleInstance(const std::string& dataFolder);
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // No other copy holds the folder.
    bool First() const { return first_; }
    // Asks the copy that holds the folder to show its clock in front; false when none answered.
    bool BringRunningCopyForward() const;

private:
    HANDLE mutex_ = nullptr;
    bool first_ = true;
    std::uint64_t key_;
};
