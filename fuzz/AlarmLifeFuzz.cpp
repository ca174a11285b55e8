// The fuzzer's bytes choose the steps of an alarm's life: whatever they choose, the program rings
// what the model of the due rule rings and keeps on disk what the user confirmed.

#include "AlarmLife.h"

#include <cstdio>
#include <cstdlib>

namespace {

class TBytesChoices : public life::TChoices {
public:
    TBytesChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    unsigned Pick(unsigned n) override
    {
        if (n == 0) return 0;
        unsigned value = 0;
        // Two bytes a choice, enough for the widest (a second of the day); zeros once they run out.
        for (int i = 0; i < 2; ++i) value = value << 8 | (at_ < size_ ? data_[at_++] : 0);
        return value % n;
    }
    bool Spent() const { return at_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TBytesChoices choices(data, size);
    // Long steps of five minutes: more lives a second, and alarms still set within their reach.
    life::TLife life(choices, size == 0 || data[0] % 5 != 0, 300);
    for (int step = 0; step < 100 && !choices.Spent(); ++step) {
        if (!life.Step()) {
            std::fprintf(stderr, "%s\n%s", life.Failure().c_str(), life.Trace().c_str());
            std::abort();
        }
    }
    return 0;
}
