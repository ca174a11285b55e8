#include "alarms/CronMask.h"
#include "alarms/CronSearch.h"

#include "base/DateTime.h"

#include <gtest/gtest.h>

#include <bitset>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(CronMask, NthWord)
{
    struct Case {
        const char* text;
        int n;
        const char* word;
    } cases[] = {
        {"0 12 * * *", 1, "0"},   {"0 12 * * *", 5, "*"},    {"0 12 * * *", 6, ""},
        {"  \t0", 1, "0"},        {"0;12", 2, ";12"},        {"0 ; 12", 2, "12"},
        {"0 ;12", 2, ";12"},      {"0;;12", 2, ";12"},       {";*", 1, ";*"},
        {"0\t12", 2, "12"},       {"", 1, ""},               {";;;", 1, ""},
        {"a b", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(NthWord(c.text, c.n), c.word) << '|' << c.text << "| " << c.n;
}

TEST(CronMask, MatchCronField)
{
    struct Case {
        const char* field;
        unsigned value;
        bool admits;
    } cases[] = {
        {"*", 0, true},      {"*", 59, true},     {"0", 0, true},       {"00", 0, false},
        {"05", 5, false},    {"5", 5, true},      {"5", 50, false},     {"50", 5, false},
        {"", 0, false},      {"5,,7", 7, true},   {"5,,7", 6, false},   {"5,", 5, true},
        {",5", 5, true},     {",", 0, false},     {"1-5", 3, false},    {"*/5", 5, false},
        {"+5", 5, false},    {"-0", 0, false},    {"?", 1, false},      {";12", 12, false},
        {";*", 3, false},    {"**", 3, false},    {"58,59", 59, true},  {"65535", 65535, true},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchCronField(c.field, c.value), c.admits) << '|' << c.field << "| " << c.value;
}

using TPredicate = std::function<bool(const TAlarmStamp&)>;

// Every minute of a leap year, 29 February included.
void ForEveryMinuteOf2024(const std::function<void(const TAlarmStamp&)>& visit)
{
    TAlarmStamp s;
    s.Year = 2024;
    for (s.Month = 1; s.Month <= 12; ++s.Month)
        for (s.Day = 1; s.Day <= DaysInMonth(2024, s.Month); ++s.Day) {
            s.DayOfWeek = static_cast<std::uint16_t>(DayOfWeek(EncodeDate(2024, s.Month, s.Day)) + 1);
            for (s.Hour = 0; s.Hour < 24; ++s.Hour)
                for (s.Minute = 0; s.Minute < 60; ++s.Minute) visit(s);
        }
}

void ExpectSameMinutes(const std::string& mask, const TPredicate& expected)
{
    int wrong = 0;
    ForEveryMinuteOf2024([&](const TAlarmStamp& s) {
        if (MatchCronMask(mask, s) != expected(s) && ++wrong <= 3)
            ADD_FAILURE() << '|' << mask << "| at " << s.Month << '-' << s.Day << ' ' << s.Hour << ':' << s.Minute;
    });
}

TEST(CronMask, EdgeCasesOverAYear)
{
    auto noon = [](const TAlarmStamp& s) { return s.Hour == 12 && s.Minute == 0; };
    auto never = [](const TAlarmStamp&) { return false; };
    const std::pair<const char*, TPredicate> cases[] = {
        {"0 12 * * *", noon},
        {"0,15,30,45 * * * *", [](const TAlarmStamp& s) { return s.Minute % 15 == 0; }},
        {"30 8 * 2,3,4,5,6 *",
         [](const TAlarmStamp& s) { return s.Hour == 8 && s.Minute == 30 && s.DayOfWeek >= 2 && s.DayOfWeek <= 6; }},
        {"0 0 1 * 1", [](const TAlarmStamp& s) { return s.Month == 1 && s.Day == 1 && s.Hour == 0 && s.Minute == 0; }},
        {"0 9 13 6 *", [](const TAlarmStamp& s) { return s.Day == 13 && s.DayOfWeek == 6 && s.Hour == 9 && s.Minute == 0; }},
        {"00 12 * * *", never},
        {"0 12 * *", never},
        {"", never},
        {"*/5 * * * *", never},
        {"1-5 * * * *", never},
        {"? * * * *", never},
        {"0;12 * * * *", never},
        {"0 ; 12 * * *", noon},
        {"0 12 * * * 99", noon},
        {"5,,7 * * * *", [](const TAlarmStamp& s) { return s.Minute == 5 || s.Minute == 7; }},
        {"5, * * * *", [](const TAlarmStamp& s) { return s.Minute == 5; }},
        {"0,\t12 * * *", noon},
    };
    for (const auto& [mask, expected] : cases) ExpectSameMinutes(mask, expected);
}

// A second reading of a mask, by other means, for the brute-force comparison.
class TOracleMask {
public:
    explicit TOracleMask(const std::string& mask)
    {
        static const std::regex word(";?[^ \t;]+");
        static const std::regex decimal("0|[1-9][0-9]*");
        auto it = std::sregex_iterator(mask.begin(), mask.end(), word);
        for (auto& field : fields_) {
            if (it == std::sregex_iterator()) break;
            std::string text = it->str();
            ++it;
            if (text == "*") {
                field.set();
                continue;
            }
            std::istringstream items(text);
            for (std::string item; std::getline(items, item, ',');)
                if (std::regex_match(item, decimal) && item.size() < 3 && std::stoi(item) < 64)
                    field.set(std::stoi(item));
        }
    }

    bool Admits(const TAlarmStamp& s) const
    {
        return fields_[0][s.Minute] && fields_[1][s.Hour] && fields_[2][s.Day] && fields_[3][s.DayOfWeek] &&
               fields_[4][s.Month];
    }

private:
    std::bitset<64> fields_[5];
};

TEST(CronMask, BruteForceAgainstASecondReading)
{
    const char* masks[] = {
        "* * * * *",         "0,15,30,45 8 * 2,3,4,5,6 *", "0 0 29 * 2",      "59 23 31 * 12",
        "7\t7 7 7 7 junk",   "30 * 1,15 * 1,2,3",          ";0 1 * * *",       "0 ;1 * * *",
        " 1,,2, 3;;* 1 *",   "0 12 * * *;",                "10,20 1,13 2,31 1,7 3,11",
    };
    for (const char* mask : masks) {
        TOracleMask oracle(mask);
        ExpectSameMinutes(mask, [&](const TAlarmStamp& s) { return oracle.Admits(s); });
    }
}

// The pattern reads each field once; it admits the very minutes that matching the mask does,
// odd fields included.
TEST(CronMask, PatternAdmitsWhatTheMaskMatches)
{
    const char* const masks[] = {"*,5 * * * *", "05 * * * *", "0,007,30 1,23 * * *", "*/5 * * * *", "59 0-23 * * *",
                                 "1,,2 * * * *", "60 24 * * *", "0 0 1,31 * 1,2,13", "30 12 * 1,7 *", "* * 1 * 3"};
    std::int64_t start = 0;
    SecondsOf(RecordOfSeconds(1'767'225'600), start);  // 2026-01-01
    for (const char* mask : masks) {
        const TCronPattern pattern(mask);
        std::optional<std::int64_t> expected;
        for (std::int64_t m = start + 60; m <= start + 70 * 86400 && !expected; m += 60) {
            const TSystemTime t = RecordOfSeconds(m);
            const TAlarmStamp stamp{t.wYear, t.wMonth, t.wDay, static_cast<std::uint16_t>(t.wDayOfWeek + 1), t.wHour, t.wMinute};
            if (MatchCronMask(mask, stamp)) expected = m;
        }
        EXPECT_EQ(pattern.NextAfter(start, 70), expected) << mask;
    }
}

}  // namespace
