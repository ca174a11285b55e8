// Starting with Windows: the user's Run key holds the value "Doviz Clock", the program's full path
// in quotes, while the option is on.

#include "app/Main.h"

#include "app/DataFolder.h"
#include "base/RegKey.h"

namespace {

const char RunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char RunValue[] = "Doviz Clock";

}  // namespace

void TClockForm::SetStartWithWindows(bool on)
{
    if (!on) {
        TRegKey key = TRegKey::Open(config_.RegistryRoot, RunKey, KEY_SET_VALUE);
        if (key) RegDeleteValueA(key.Handle(), RunValue);
        return;
    }
    const std::string path = ProgramPath();
    if (path.empty()) return;
    const std::string command = "\"" + path + "\"";
    TRegKey key = TRegKey::Create(config_.RegistryRoot, RunKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!key) return;
    // A program that was moved since writes its new place; one that wasn't leaves the value alone.
    std::string stored;
    if (key.ReadData(RunValue, stored)) stored.erase(stored.find_last_not_of('\0') + 1);
    if (stored != command) key.WriteString(RunValue, command);
}
