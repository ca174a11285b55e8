#include "app/KeyTable.h"

#include <gtest/gtest.h>

namespace {

using C = TKeyCommand;

TEST(KeyTable, ModifiersMustMatchExactly)
{
    struct Case {
        int key;
        TKeyModifiers mods;
        std::vector<C> commands;
    } cases[] = {
        {'A', {true, false, false}, {C::AddClock}},
        {'A', {false, true, false}, {C::AddAlarm}},
        {'A', {true, true, false}, {C::Alarms}},
        {'A', {true, false, true}, {}},  // Alt+Shift+A
        {'A', {false, false, false}, {}},
        {'A', {true, true, true}, {}},
        {'O', {false, true, false}, {C::Options}},
        {'O', {true, true, false}, {}},
        {'S', {false, true, false}, {C::SaveData}},
        {'S', {false, false, true}, {}},
        {'P', {false, true, false}, {C::Plan}},
        {'P', {true, true, false}, {}},
        {'B', {true, false, false}, {}},
        {'a', {true, false, false}, {}},  // the virtual key, not a character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandsForKey(c.key, c.mods), c.commands)
            << char(c.key) << " shift " << c.mods.Shift << " ctrl " << c.mods.Ctrl << " alt " << c.mods.Alt;
    }
}

}  // namespace
