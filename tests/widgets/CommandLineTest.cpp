#include "widgets/CommandLine.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(CommandLine, TheProgramIsTheFirstWordAsTheSystemReadsIt)
{
    const std::set<std::string> files{"C:\\Program Files\\My App\\app.exe", "C:\\Tools\\run"};
    auto isFile = [&](const std::string& name) { return files.count(name) > 0; };
    struct Row {
        const char* line;
        const char* program;
        const char* arguments;
    } rows[] = {
        {"notepad.exe", "notepad.exe", ""},
        {"  notepad.exe   a.txt  b", "notepad.exe", "a.txt  b"},
        {"\"C:\\Program Files\\x.exe\" /a", "C:\\Program Files\\x.exe", "/a"},
        {"\"C:\\Program Files\\x.exe\"", "C:\\Program Files\\x.exe", ""},
        {"\"C:\\no end", "C:\\no end", ""},
        // Unquoted with spaces, as an older browse button wrote it: the words that name a file.
        {"C:\\Program Files\\My App\\app.exe -x", "C:\\Program Files\\My App\\app.exe", "-x"},
        {"C:\\Tools\\run fast", "C:\\Tools\\run", "fast"},
        {"C:\\Program Files\\Gone\\app.exe -x", "C:\\Program", "Files\\Gone\\app.exe -x"},
        {"", "", ""},
        {"   ", "", ""},
    };
    for (const auto& r : rows) {
        TCommandLine split = SplitCommandLine(r.line, isFile);
        EXPECT_EQ(split.Program, r.program) << r.line;
        EXPECT_EQ(split.Arguments, r.arguments) << r.line;
    }
}

TEST(CommandLine, AProgramWithASpaceIsQuoted)
{
    EXPECT_EQ(JoinCommandLine("C:\\Program Files\\x.exe", ""), "\"C:\\Program Files\\x.exe\"");
    EXPECT_EQ(JoinCommandLine("C:\\Program Files\\x.exe", "/a b"), "\"C:\\Program Files\\x.exe\" /a b");
    EXPECT_EQ(JoinCommandLine("C:\\Windows\\notepad.exe", ""), "C:\\Windows\\notepad.exe");
}

}  // namespace
