#pragma once
// Libraries come from the system folder only. The program is portable and often runs from a
// Downloads folder: a DLL lying beside it under a system library's name must never run inside it.

#include <windows.h>

// Takes the program's folder and the current folder out of every later library search. Called
// first thing at start, before anything maps a library on demand.
void RestrictLibrarySearch();

// The one way the program loads a library: by name, from the system folder.
HMODULE LoadSystemLibrary(const char* name);

// By full path in the system folder: where the system refuses the search flags (Windows 7
// without KB2533623).
HMODULE LoadFromSystemFolder(const char* name);
