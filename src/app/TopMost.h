#pragma once
// Keeps its owner window above all others, or among the normal windows, without moving it.

#include <windows.h>

class TTopMost {
public:
    explicit TTopMost(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    bool TopMost() const { return topMost_; }
    void SetTopMost(bool on);
    // Places the window again as the property says: a window placed while hidden may not have
    // kept its place in the z-order by the time it is shown.
    void Apply() const;

private:
    HWND owner_;
    bool topMost_ = false;
};
