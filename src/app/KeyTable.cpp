#include "app/KeyTable.h"

namespace {

struct TKeyRow {
    int Key;
    TKeyModifiers Modifiers;
    TKeyCommand Command;
};

constexpr TKeyRow rows[] = {
    {'A', {true, false, false}, TKeyCommand::AddClock},
    {'A', {false, true, false}, TKeyCommand::AddAlarm},
    {'A', {true, true, false}, TKeyCommand::Alarms},
    {'O', {false, true, false}, TKeyCommand::Options},
    {'S', {false, true, false}, TKeyCommand::SaveData},
    {'P', {false, true, false}, TKeyCommand::Plan},
};

}  // namespace

std::vector<TKeyCommand> CommandsForKey(int key, TKeyModifiers m)
{
    std::vector<TKeyCommand> commands;
    for (const auto& row : rows)
        if (row.Key == key && row.Modifiers.Shift == m.Shift && row.Modifiers.Ctrl == m.Ctrl &&
            row.Modifiers.Alt == m.Alt)
            commands.push_back(row.Command);
    return commands;
}
