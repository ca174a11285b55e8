#pragma once
// The platform's SYSTEMTIME and the program's record of it share one layout.

#include <windows.h>

#include <cstring>

#include "base/DateTime.h"

static_assert(sizeof(TSystemTime) == sizeof(SYSTEMTIME));

inline TSystemTime ToRecord(const SYSTEMTIME& st)
{
    TSystemTime r;
    std::memcpy(static_cast<void*>(&r), &st, sizeof r);
    return r;
}

inline SYSTEMTIME FromRecord(const TSystemTime& r)
{
    SYSTEMTIME st;
    std::memcpy(&st, &r, sizeof st);
    return st;
}
