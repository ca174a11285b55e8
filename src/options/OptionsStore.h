#pragma once
// The program's back ends for the options store, chosen by StorageType.

#include "options/OvOpts.h"

#include <windows.h>

// Registry values go below root (not owned; it must stay open while the options live).
// A StorageType other than 0-2 fails to open with "Invalid storage type %d".
TOvBackEndFactory WinOptionsBackEnds(HKEY root = HKEY_CURRENT_USER);
