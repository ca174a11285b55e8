#pragma once
// System functions that only a command or a signalling alarm needs, bound on first use: a clock
// that only ticks then never maps their libraries, nor what those pull in (the print spooler
// behind the common dialogs, the audio stack behind the sound). Each fails as the original does
// when its library can't be had.

#include <windows.h>
#include <commdlg.h>

BOOL OnDemandPlaySound(const char* sound, HMODULE module, DWORD flags);
BOOL OnDemandChooseFont(CHOOSEFONTA* choice);
BOOL OnDemandChooseColor(CHOOSECOLORA* choice);
BOOL OnDemandGetOpenFileName(OPENFILENAMEA* choice);
void OnDemandCoTaskMemFree(void* memory);
