// Libraries by name come from the system folder only, never from the program's own folder.

#include "widgets/SystemLibrary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of("\\/"));
}

std::string ModuleFolder(HMODULE module)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return FolderOf(path);
}

// A library beside this test program under a name no system has, gone again when the test ends.
struct TPlantedBeside {
    static constexpr char Name[] = "DovizPlanted.dll";
    std::string Path = ModuleFolder(nullptr) + "\\" + Name;
    TPlantedBeside() { CopyFileA((ModuleFolder(nullptr) + "\\planted\\winmm.dll").c_str(), Path.c_str(), FALSE); }
    ~TPlantedBeside()
    {
        DeleteFileA(Path.c_str());
        DeleteFileA((Path + ".ran").c_str());
    }
};

std::string SystemFolder()
{
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

// Each test runs in a process of its own, so the restriction at its end reaches no other test.
TEST(SystemLibrary, NeverTakesALibraryFromTheProgramsFolder)
{
    TPlantedBeside planted;
    // The plant is found by a plain search, or the refusals below would prove nothing.
    HMODULE found = LoadLibraryA(TPlantedBeside::Name);
    ASSERT_NE(found, nullptr) << "the planted library is not where a search looks";
    FreeLibrary(found);

    const struct {
        const char* way;
        HMODULE (*load)(const char*);
    } ways[] = {{"by the search flag", &LoadSystemLibrary}, {"by full path", &LoadFromSystemFolder}};
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        EXPECT_EQ(w.load(TPlantedBeside::Name), nullptr);
        HMODULE sound = w.load("winmm.dll");
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(lstrcmpiA(ModuleFolder(sound).c_str(), SystemFolder().c_str()), 0) << ModuleFolder(sound);
    }

    // After the start's restriction even a plain search passes the program's folder by.
    RestrictLibrarySearch();
    EXPECT_EQ(LoadLibraryA(TPlantedBeside::Name), nullptr);
}

}  // namespace
