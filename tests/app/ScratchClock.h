#pragma once
// A clock window's surroundings of a test's own: a scratch registry root and data folder, and the
// window's configuration over them.

#include <string>

#include "../support/WinTestSupport.h"
#include "app/Main.h"

class TScratchClock {
public:
    explicit TScratchClock(const char* name) : scratch{name}, root{scratch.Open()}, folder{name} {}

    TScratchKey scratch;
    TRegKey root;
    TScratchFolder folder;

    TClockFormConfig Config() const
    {
        TClockFormConfig c;
        c.DataFolder = folder.Path();
        c.RegistryRoot = root.Handle();
        return c;
    }
    // An option as the registry holds it: text under the options key.
    void StoreOption(const char* name, const std::string& text) const
    {
        TRegKey::Create(root.Handle(), "SOFTWARE\\Doviz\\Clock\\Options", KEY_ALL_ACCESS).WriteString(name, text);
    }
};
