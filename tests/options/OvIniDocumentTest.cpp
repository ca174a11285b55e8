#include "options/OvIniDocument.h"

#include <gtest/gtest.h>

namespace {

TEST(OvIniDocument, KeepsWhatItDoesNotUnderstand)
{
    const std::string text =
        "; written by hand\r\n"
        "stray line\r\n"
        "[\\Options]\r\n"
        "OnTop=1\r\n"
        "\r\n"
        "Name=a=b\r\n"
        "[\\Other]\r\n"
        "OnTop=0\r\n";
    TOvIniDocument doc;
    doc.Parse(text);
    EXPECT_EQ(doc.Text(), text);
    EXPECT_EQ(doc.Value("\\options", "ONTOP"), "1");
    EXPECT_EQ(doc.Value("\\Options", "Name"), "a=b");
    EXPECT_EQ(doc.Value("\\Other", "OnTop"), "0");
    EXPECT_EQ(doc.Value("\\Options", "stray line"), std::nullopt);
    EXPECT_EQ(doc.Value("\\Missing", "OnTop"), std::nullopt);
}

TEST(OvIniDocument, SetValueReplacesOrAppends)
{
    TOvIniDocument doc;
    doc.Parse("[\\Options]\nOnTop=1\n");
    doc.SetValue("\\OPTIONS", "ontop", "0");
    doc.SetValue("\\Options", "Tag", "5");
    doc.SetValue("\\New", "Name", "");
    doc.AddSection("\\Empty");
    EXPECT_TRUE(doc.HasSection("\\empty"));
    EXPECT_EQ(doc.Text(), "[\\Options]\r\nOnTop=0\r\nTag=5\r\n[\\New]\r\nName=\r\n[\\Empty]\r\n");
}

TEST(OvIniDocument, RefusesWhatWouldNotReadBack)
{
    struct Case {
        const char* name;
        const char* value;
        bool writable;
    };
    const Case cases[] = {
        {"Name", "any text = fine", true}, {"Name", "", true},     {"Name", "two\nlines", false},
        {"Name", "cr\r", false},           {"", "x", false},       {"a=b", "x", false},
        {" Name", "x", false},             {"[Name", "x", false},  {";Name", "x", false},
    };
    for (const auto& c : cases) EXPECT_EQ(TOvIniDocument::IsWritable(c.name, c.value), c.writable) << c.name;
    EXPECT_TRUE(TOvIniDocument::IsWritableSection("\\Options\\Sub"));
    EXPECT_FALSE(TOvIniDocument::IsWritableSection("\\Opt]ions"));
    EXPECT_FALSE(TOvIniDocument::IsWritableSection("\\Options\n"));
}

}  // namespace
