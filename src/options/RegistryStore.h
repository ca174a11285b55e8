#pragma once
// The registry back end: IniName is the main key below root, opened with full access and
// created when missing; the values live in its subkey IniSection ("\..." is taken from root).

#include "options/OvOpts.h"

#include <windows.h>

#include <memory>
#include <string>

// root is not owned and must stay open while the back end lives.
std::unique_ptr<TOvBackEnd> OpenRegistryBackEnd(HKEY root, const std::string& iniName, const std::string& section);
