#pragma once
// The clock window's keyboard commands: a letter key with an exact set of modifiers.

#include <vector>

enum class TKeyCommand { AddClock, AddAlarm, Alarms, Options, SaveData, Plan };

struct TKeyModifiers {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
};

// Every row that matches, in table order; key is the virtual key ('A', 'O', 'S', 'P').
std::vector<TKeyCommand> CommandsForKey(int key, TKeyModifiers modifiers);
