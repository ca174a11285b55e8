#pragma once
// The system's clock: the one place the program asks Windows for the time now.

#include "base/ClockSource.h"

const TClockSource& SystemClock();
