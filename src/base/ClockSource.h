#pragma once
// Where faces and alarms read the time now, local and UTC. The program reads the system's;
// tests put a fixed clock in its place.

#include "base/DateTime.h"

class TClockSource {
public:
    virtual ~TClockSource() = default;
    virtual TSystemTime LocalNow() const = 0;
    virtual TSystemTime UtcNow() const = 0;
};
