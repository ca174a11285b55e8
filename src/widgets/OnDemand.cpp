#include "widgets/OnDemand.h"

#include "widgets/SystemLibrary.h"

namespace {

// Looked up once; the library then stays for the rest of the run.
template <class TFunction>
TFunction Bind(const char* library, const char* name)
{
    HMODULE module = LoadSystemLibrary(library);
    if (!module) return nullptr;
    return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

BOOL OnDemandPlaySound(const char* sound, HMODULE module, DWORD flags)
{
    using TPlaySound = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
    static const TPlaySound play = Bind<TPlaySound>("winmm.dll", "PlaySoundA");
    return play ? play(sound, module, flags) : FALSE;
}

BOOL OnDemandChooseFont(CHOOSEFONTA* choice)
{
    using TChooseFont = BOOL(WINAPI*)(CHOOSEFONTA*);
    static const TChooseFont choose = Bind<TChooseFont>("comdlg32.dll", "ChooseFontA");
    return choose ? choose(choice) : FALSE;
}

BOOL OnDemandChooseColor(CHOOSECOLORA* choice)
{
    using TChooseColor = BOOL(WINAPI*)(CHOOSECOLORA*);
    static const TChooseColor choose = Bind<TChooseColor>("comdlg32.dll", "ChooseColorA");
    return choose ? choose(choice) : FALSE;
}

BOOL OnDemandGetOpenFileName(OPENFILENAMEA* choice)
{
    using TGetOpenFileName = BOOL(WINAPI*)(OPENFILENAMEA*);
    static const TGetOpenFileName open = Bind<TGetOpenFileName>("comdlg32.dll", "GetOpenFileNameA");
    return open ? open(choice) : FALSE;
}

void OnDemandCoTaskMemFree(void* memory)
{
    using TCoTaskMemFree = void(WINAPI*)(void*);
    static const TCoTaskMemFree release = Bind<TCoTaskMemFree>("ole32.dll", "CoTaskMemFree");
    if (release) release(memory);
}
