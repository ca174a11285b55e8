#pragma once
// Waiting for what another thread or process does: the suite's one way and one limit.

#include <windows.h>

// Asks every 50 ms until the condition holds; false if it still does not after 30 s.
template <class Condition>
bool WaitUntil(Condition condition)
{
    for (int waited = 0; waited < 30000; waited += 50) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}
