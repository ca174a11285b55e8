#pragma once
// One running copy per data folder, for every user and every session: a copy holds a lock file in
// its data folder, open and shared with nobody, while it runs; the system closes it with the
// process however that ends. A registered window message, carrying the folder's key, asks the
// running copy's clock window to come to the front.

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/Handles.h"

// The key of a data folder: a hash of its full, long, upper-case path, so that every spelling of
// one folder gives one key.
std::uint64_t DataFolderKey(const std::string& folder);

// The message a clock window answers with 1 when lParam is its data folder's key, after showing
// itself as "Show clock" does.
UINT ShowRunningCopyMessage();

inline constexpr char LockFileName[] = "DovizClock.lock";

enum class TFolderLockState {
    Held,     // this copy holds the folder
    Busy,     // another copy holds it
    Refused,  // no file can be made there: the folder is not one to keep data in
};

class TFolderLock {
public:
    TFolderLock() = default;  // holds nothing: Refused
    // Opening the lock file is the whole check: nothing else in the folder is touched.
    static TFolderLock Take(const std::string& folder);
    TFolderLock(TFolderLock&& other) noexcept;
    TFolderLock& operator=(TFolderLock&& other) noexcept;

    TFolderLockState State() const { return state_; }

private:
    TKernelHandle file_;
    TFolderLockState state_ = TFolderLockState::Refused;
};

// Asks the copy that holds the folder to show its clock in front; false when none answered (it
// runs in another session, or for another user).
bool BringRunningCopyForward(const std::string& folder);

// What a second start says when the running copy can't be brought forward.
std::string AlreadyRunningText(const std::string& folder);
