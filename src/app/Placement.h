#pragma once
// Remembers the window's position in the registry: restored once when the window is first
// shown (the position only), saved when it closes or, failing that, when it is destroyed.

#include <windows.h>

#include <string>

class TPlacement {
public:
    // keyPath is below root, e.g. SOFTWARE\Doviz\Clock\TClockForm.
    TPlacement(HWND window, HKEY root, std::string keyPath);

    // Runs once; later calls do nothing.
    void RestoreOnFirstShow();
    // On close (if the close goes ahead) and on destroy (if not saved yet).
    void SaveOnClose();
    void SaveOnDestroy();

    bool Restored() const { return restored_; }

private:
    void Save(bool destroying);

    HWND window_;
    HKEY root_;
    std::string keyPath_;
    bool restored_ = false;
    bool saved_ = false;
};
