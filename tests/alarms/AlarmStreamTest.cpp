#include "alarms/Alarm.h"

#include "AlarmBytes.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <tuple>

namespace {

std::unique_ptr<TAlarm> ReadOne(const TBytes& bytes, bool& ok, std::size_t* left = nullptr)
{
    TMemoryStream stream(bytes);
    auto alarm = std::make_unique<TAlarm>();
    ok = alarm->ReadFromStream(stream);
    if (left) *left = stream.Remaining();
    return alarm;
}

TEST(AlarmStream, WrittenRecordHasTheFileLayout)
{
    TAlarm a;
    a.Enabled = true;
    a.MessageOn = true;
    a.SignalTime = {2026, 12, 2, 8, 7, 30, 15, 250};
    a.Name = "Tea";
    a.SoundFile = "(Default)";
    a.MessageText = "Brew";
    a.CronMask = "0 12 * * *";
    a.OneTime = a.RemoveAfterSignal = a.RunOn = true;
    a.CommandLine = "notepad.exe";
    a.StartFolder = "C:\\";
    a.Kind = akCron;
    a.OnceADay = true;

    TMemoryStream out;
    ASSERT_TRUE(a.WriteToStream(out));
    EXPECT_EQ(out.Bytes(), TAlarmBytes().V3Record().Bytes());
}

// Everything the file stores.
auto Stored(const TAlarm& a)
{
    return std::tie(a.Enabled, a.SoundOn, a.MessageOn, a.SignalTime, a.Name, a.SoundFile, a.MessageText,
                    a.CronFlag, a.CronMask, a.OneTime, a.RemoveAfterSignal, a.RunOn, a.CommandLine,
                    a.StartFolder, a.Kind, a.OnceADay);
}

TEST(AlarmStream, RoundTripKeepsEveryStoredField)
{
    TAlarm a;
    a.Enabled = a.SoundOn = a.MessageOn = a.CronFlag = a.OneTime = a.OnceADay = a.RemoveAfterSignal = a.RunOn = true;
    a.SignalTime = {1999, 2, 6, 28, 23, 59, 58, 999};  // a day of week that does not fit the date
    a.SoundFile = "C:\\Windows\\Media\\ding.wav";
    a.MessageText = std::string("line 1\r\nline 2\0\xff", 17);
    a.Name = "Name";
    a.Kind = static_cast<TAlarmKind>(200);  // CronFlag is not consulted at version 3
    a.CronMask = "*/5;1 * * * *";
    a.CommandLine = "\"C:\\Program Files\\x.exe\" /a";
    a.StartFolder = "D:\\work";
    a.LastSignalled = {2026, 1, 2, 6, 3, 4};

    TMemoryStream out;
    ASSERT_TRUE(a.WriteToStream(out));
    bool ok;
    std::size_t left;
    auto b = ReadOne(out.Bytes(), ok, &left);
    ASSERT_TRUE(ok);
    EXPECT_EQ(left, 0u);
    EXPECT_TRUE(Stored(*b) == Stored(a));
    EXPECT_EQ(b->LastSignalled, TAlarmStamp{});
}

TEST(AlarmStream, EachVersionReadsItsFields)
{
    struct Case {
        const char* what;
        TBytes bytes;
        TAlarmKind kind;
        bool onceADay, oneTime;
        const char* cronMask;
        const char* startFolder;
    } cases[] = {
        {"v0", TAlarmBytes().Head(0).Bytes(), akUsual, false, false, "", ""},
        {"negative reads as 0", TAlarmBytes().Head(-7).Bytes(), akUsual, false, false, "", ""},
        {"v1 cron flag", TAlarmBytes().Head(1).V1Fields(1).Bytes(), akCron, false, true, "0 12 * * *", "C:\\"},
        {"v1 any non-zero flag", TAlarmBytes().Head(1).V1Fields(0x80).Bytes(), akCron, false, true, "0 12 * * *", "C:\\"},
        {"v1 no cron flag", TAlarmBytes().Head(1).V1Fields(0).Bytes(), akUsual, false, true, "0 12 * * *", "C:\\"},
        {"v2 kind wins over flag", TAlarmBytes().Head(2).V1Fields(1).U8(1).Bytes(), akReminder, false, true, "0 12 * * *", "C:\\"},
        {"v3", TAlarmBytes().Head(3).V1Fields(0).U8(2).U8(0xFF).Bytes(), akCron, true, true, "0 12 * * *", "C:\\"},
        {"v4 reads as 3", TAlarmBytes().Head(4).V1Fields(0).U8(2).U8(1).Bytes(), akCron, true, true, "0 12 * * *", "C:\\"},
    };
    for (const auto& c : cases) {
        bool ok;
        std::size_t left;
        auto a = ReadOne(c.bytes, ok, &left);
        ASSERT_TRUE(ok) << c.what;
        EXPECT_EQ(left, 0u) << c.what;
        EXPECT_TRUE(a->Enabled) << c.what;
        EXPECT_EQ(a->SignalTime, (TSystemTime{2026, 12, 2, 8, 7, 30, 15, 250})) << c.what;
        EXPECT_EQ(a->Name, "Tea") << c.what;
        EXPECT_EQ(a->MessageText, "Brew") << c.what;
        EXPECT_EQ(a->Kind, c.kind) << c.what;
        EXPECT_EQ(a->OnceADay, c.onceADay) << c.what;
        EXPECT_EQ(a->OneTime, c.oneTime) << c.what;
        EXPECT_EQ(a->RemoveAfterSignal, c.oneTime) << c.what;
        EXPECT_EQ(a->RunOn, c.oneTime) << c.what;
        EXPECT_EQ(a->CronMask, c.cronMask) << c.what;
        EXPECT_EQ(a->CommandLine, c.oneTime ? "notepad.exe" : "") << c.what;
        EXPECT_EQ(a->StartFolder, c.startFolder) << c.what;
    }
}

TEST(AlarmStream, BadStringLengthsLeaveTheFieldEmpty)
{
    constexpr std::int32_t huge = std::numeric_limits<std::int32_t>::max();
    // Name's length is broken; with a negative one the reader goes on right after it.
    TAlarmBytes negative;
    negative.I32(0).U8(1).U8(1).U8(1);
    for (int i = 0; i < 8; ++i) negative.U16(0);
    negative.I32(-1).Str("snd").Str("msg");
    bool ok;
    auto a = ReadOne(negative.Bytes(), ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(a->Name, "");
    EXPECT_EQ(a->SoundFile, "snd");
    EXPECT_EQ(a->MessageText, "msg");

    // A length beyond the end: the file ends inside the text. At version 1 the last field is a
    // string, so the record stays; at version 3 a flag follows, so it goes.
    for (std::int32_t length : {huge, 12}) {
        TAlarmBytes v1;
        v1.Head(1).U8(1).Str("0 12 * * *").U8(0).U8(0).U8(0).Str("cmd").I32(length).U8('x');
        a = ReadOne(v1.Bytes(), ok);
        EXPECT_TRUE(ok) << length;
        EXPECT_EQ(a->StartFolder, "") << length;
        EXPECT_EQ(a->CommandLine, "cmd") << length;
        EXPECT_EQ(a->Kind, akCron) << length;

        TAlarmBytes v3;
        v3.Head(3).U8(1).Str("0 12 * * *").U8(0).U8(0).U8(0).Str("cmd").I32(length).U8(2).U8(1);
        a = ReadOne(v3.Bytes(), ok);
        EXPECT_FALSE(ok) << length;
    }
}

TEST(AlarmStream, UnreadableStringLeavesTheTargetUnchanged)
{
    const TBytes cases[] = {
        {},                                       // no length
        {3, 0},                                   // half a length
        {0xFF, 0xFF, 0xFF, 0xFF},                 // negative
        {4, 0, 0, 0, 'a', 'b'},                   // too few bytes
        {0xFF, 0xFF, 0xFF, 0x7F, 'a'},            // absurd
    };
    for (const auto& bytes : cases) {
        TMemoryStream stream(bytes);
        std::string text = "kept";
        EXPECT_FALSE(ReadStreamString(stream, text)) << bytes.size();
        EXPECT_EQ(text, "kept") << bytes.size();
    }
    TMemoryStream empty(TBytes{0, 0, 0, 0, 'z'});
    std::string text = "gone";
    EXPECT_TRUE(ReadStreamString(empty, text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(empty.Remaining(), 1u);
}

}  // namespace
