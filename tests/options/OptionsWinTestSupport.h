#pragma once
// A registry root and a folder of the test's own, removed again when the test ends.

#include "../support/WinTestSupport.h"
#include "base/RegKey.h"

#include <windows.h>

#include <string>

// A registry root of the test's own, for the store's back ends.
class TScratchRegistry {
public:
    HKEY Root() const { return root_.Handle(); }

private:
    TScratchKey key_{"Options"};
    TRegKey root_ = key_.Open();
};
