#include "alarms/CronMask.h"

#include <cstring>

// Plain loops over the characters: a mask is matched for every cron alarm on every tick.

namespace {

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ';';
}

// Walks the words of a text once, in order.
class TWordReader {
public:
    explicit TWordReader(std::string_view text) : p_(text.data()), begin_(text.data()), end_(text.data() + text.size()) {}

    std::string_view Next()
    {
        while (p_ != end_ && IsSeparator(*p_)) ++p_;
        if (p_ == end_) return {};
        const char* start = p_;
        while (p_ != end_ && !IsSeparator(*p_)) ++p_;
        if (start != begin_ && start[-1] == ';') --start;
        return {start, static_cast<std::size_t>(p_ - start)};
    }

private:
    const char* p_;
    const char* begin_;
    const char* end_;
};

}  // namespace

std::string_view NthWord(std::string_view text, int n)
{
    TWordReader words(text);
    std::string_view word;
    for (int i = 0; i < n; ++i) {
        word = words.Next();
        if (word.empty()) return {};
    }
    return word;
}

bool MatchCronField(std::string_view field, unsigned value)
{
    const char* p = field.data();
    const char* end = p + field.size();
    if (end - p == 1 && *p == '*') return true;

    char digits[16];
    char* decimal = digits + sizeof digits;
    do {
        *--decimal = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    const auto length = static_cast<std::size_t>(digits + sizeof digits - decimal);

    for (;;) {
        const char* comma = p;
        while (comma != end && *comma != ',') ++comma;
        if (static_cast<std::size_t>(comma - p) == length && std::memcmp(p, decimal, length) == 0) return true;
        if (comma == end) return false;
        p = comma + 1;
    }
}

bool MatchCronMask(std::string_view mask, const TAlarmStamp& stamp)
{
    const unsigned values[5] = {stamp.Minute, stamp.Hour, stamp.Day, stamp.DayOfWeek, stamp.Month};
    TWordReader words(mask);
    for (unsigned value : values)
        if (!MatchCronField(words.Next(), value)) return false;
    return true;
}
