#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "../support/Input.h"
#include "../support/WinTestSupport.h"
#include "widgets/Form.h"
#include "widgets/SpinEdit.h"

namespace {

TEST(SpinEdit, TextValueTable)
{
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"2026", 2026}, {" 42 ", 42}, {"+7", 7},     {"-5", -5},       {"12.9", 12},
        {"-12.9", -12}, {"5.", 5},    {".5", 0},     {"", 1},          {"  ", 1},
        {"abc", 1},     {"12a", 1},   {"-", 1},      {".", 1},         {"1e3", 1},
        {"1 2", 1},     {"007", 7},   {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(SpinTextValue(c.text, 1), c.value) << '"' << c.text << '"';
}

struct TSpinForm {
    TSpinForm() { field.OnChange = [this](TEdit&) { ++changes; }; }
    TForm form{TestDialog("TSpinEditTest")};
    TSpinEdit field{form, {10, 10, 49, 21, {}, {}}, 1, 2300};
    int changes = 0;
};

TEST(SpinEdit, SettingLimitsToTheRangeAndAnUnchangedTextRaisesNothing)
{
    TSpinForm f;
    struct Step {
        int set;
        const char* text;
        int changes;
    } steps[] = {{2026, "2026", 1}, {2026, "2026", 1}, {5000, "2300", 2}, {2301, "2300", 2}, {0, "1", 3}, {-7, "1", 3}};
    for (const auto& s : steps) {
        f.field.SetValue(s.set);
        EXPECT_EQ(f.field.Text(), s.text) << s.set;
        EXPECT_EQ(f.changes, s.changes) << s.set;
    }
    // What is typed counts as typed, beyond the range too.
    f.field.SetText("4000");
    EXPECT_EQ(f.field.Value(), 4000);
    f.field.SetText("four");
    EXPECT_EQ(f.field.Value(), 1);
}

TEST(SpinEdit, ArrowsStepWithinTheRangeFromWhatTheFieldShows)
{
    TSpinForm f;
    f.form.Show();
    RECT r{};
    GetClientRect(f.field.ButtonsHandle(), &r);
    auto press = [&](bool up) {
        LPARAM at = MAKELPARAM(r.right / 2, up ? 2 : r.bottom - 3);
        SendMessageA(f.field.ButtonsHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(f.field.ButtonsHandle(), WM_LBUTTONUP, 0, at);
        PumpMessages();
    };
    f.field.SetValue(2298);
    press(true);
    press(true);
    press(true);
    EXPECT_EQ(f.field.Text(), "2300");
    press(false);
    EXPECT_EQ(f.field.Text(), "2299");
    f.field.SetText("9000");
    press(false);
    EXPECT_EQ(f.field.Text(), "2300");
    f.field.SetText("");
    press(true);
    EXPECT_EQ(f.field.Text(), "2");

    // The Up and Down keys in the field do the same; letters never reach it.
    SetFocus(f.field.Handle());
    for (WORD vk : {VK_DOWN, VK_DOWN}) PressKey(f.field.Handle(), vk);
    EXPECT_EQ(f.field.Text(), "1");
    Type(f.field.Handle(), "q");
    EXPECT_EQ(f.field.Text(), "1");
}

}  // namespace
