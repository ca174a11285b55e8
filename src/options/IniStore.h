#pragma once
// The INI back ends: the system's private profile strings (eosIni), and the structured INI file
// (eosOvIni), whose section is the path delimiter followed by IniSection.

#include "options/OvOpts.h"

#include <memory>
#include <string>

std::unique_ptr<TOvBackEnd> OpenIniBackEnd(const std::string& fileName, const std::string& section);

// storage is used when given (not owned); otherwise a file on iniName is made for the back end's
// lifetime. For a save the section is opened, and created when missing, at once.
std::unique_ptr<TOvBackEnd> OpenOvIniBackEnd(TOvIniFile* storage, const std::string& iniName,
                                             const std::string& section, bool forSave);
