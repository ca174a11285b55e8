// Starting with Windows: the user's Run key holds the value "Doviz Clock", the program's full path
// in quotes, while the option is on. Copies in other folders share the options, so the value
// belongs to the copy whose box was last ticked: another copy, starting with the shared option
// on, leaves it alone while that program is still there, and one with the option off removes
// only a value that names itself.

#include "app/Main.h"

#include "app/DataFolder.h"
#include "base/RegKey.h"

namespace {

const char RunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char RunValue[] = "Doviz Clock";

bool SameCommand(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The program a Run command starts is still on the disk.
bool ProgramThere(const std::string& command)
{
    std::string path = command;
    if (path.size() >= 2 && path.front() == '"') path = path.substr(1, path.find('"', 1) - 1);
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void TClockForm::SetStartWithWindows(bool on)
{
    const std::string path = ProgramPath();
    if (path.empty()) return;
    const std::string command = "\"" + path + "\"";
    TRegKey key = on ? TRegKey::Create(config_.RegistryRoot, RunKey, KEY_QUERY_VALUE | KEY_SET_VALUE)
                     : TRegKey::Open(config_.RegistryRoot, RunKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!key) return;
    std::string stored;
    if (key.ReadData(RunValue, stored)) stored.erase(stored.find_last_not_of('\0') + 1);
    if (!on) {
        if (SameCommand(stored, command)) RegDeleteValueA(key.Handle(), RunValue);
        return;
    }
    if (SameCommand(stored, command)) return;
    // At start the option is the shared one; the user's own tick takes the value over.
    if (!loaded_ && !stored.empty() && ProgramThere(stored)) return;
    key.WriteString(RunValue, command);
}
