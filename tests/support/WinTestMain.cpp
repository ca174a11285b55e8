// Runs the Wine tests with the program's application object set up, as the program does.

#include <windows.h>

#include <gtest/gtest.h>

#include "widgets/Application.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    Application.SetTitle("Doviz Clock");
    Application.Initialize(GetModuleHandleA(nullptr));
    return RUN_ALL_TESTS();
}
