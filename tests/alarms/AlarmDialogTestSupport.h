#pragma once
// What the Wine tests of the alarm dialogs share: acting on a modal dialog as a user would.

#include <gtest/gtest.h>

#include <windows.h>

#include "../support/ModalHook.h"
#include "../support/WinTestSupport.h"
#include "base/DateTime.h"
#include "base/SystemTimeRecord.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

inline TSystemTime Stamp(int y, int mo, int d, int h, int mi, int s = 0)
{
    return ToRecord(At(WORD(y), WORD(mo), WORD(d), WORD(h), WORD(mi), WORD(s)));
}

inline TSystemTime Today()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return Stamp(now.wYear, now.wMonth, now.wDay, 0, 0);
}
