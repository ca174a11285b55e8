#pragma once
// What the Wine tests of the alarm dialogs share: acting on a modal dialog as a user would.

#include <gtest/gtest.h>

#include <windows.h>

#include "../support/ModalHook.h"
#include "../support/WinTestSupport.h"
#include "base/DateTime.h"
#include "base/SystemClock.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

inline TSystemTime Today()
{
    const TSystemTime now = SystemClock().LocalNow();
    return Moment(now.wYear, now.wMonth, now.wDay);
}
