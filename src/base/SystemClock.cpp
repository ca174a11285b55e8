#include "base/SystemClock.h"

#include "base/SystemTimeRecord.h"

namespace {

class TSystemClock final : public TClockSource {
public:
    TSystemTime LocalNow() const override
    {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return ToRecord(now);
    }
    TSystemTime UtcNow() const override
    {
        SYSTEMTIME now;
        GetSystemTime(&now);
        return ToRecord(now);
    }
};

}  // namespace

const TClockSource& SystemClock()
{
    static const TSystemClock clock;
    return clock;
}
