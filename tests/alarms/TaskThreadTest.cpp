#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "../support/Poll.h"
#include "../support/ScratchFolder.h"
#include "alarms/TaskThread.h"
#include "alarms/WinAlarmActions.h"

namespace {

std::string TestFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// What the probe wrote in the folder, once it has written and closed it; empty if it never comes.
std::string AwaitProbe(const TScratchFolder& folder)
{
    std::string written;
    const bool closed = WaitUntil([&] {
        std::ifstream in(folder.File("StartProbe.txt"));
        std::stringstream text;
        text << in.rdbuf();
        written = text.str();
        return in && !written.empty() && written.back() == '\n';
    });
    return closed ? written : "";
}

std::string ProbeCommand(const std::string& arguments)
{
    return "\"" + TestFolder() + "StartProbe.exe\" " + arguments;
}

TEST(TaskThread, StartsTheCommandLineInTheStartFolder)
{
    TScratchFolder folder("start");
    ASSERT_TRUE(TTaskThread::Run(std::make_unique<TTaskThread>(ProbeCommand("one \"two words\""), folder.Path())));
    EXPECT_EQ(AwaitProbe(folder), "one\ntwo words\n");
}

TEST(TaskThread, EmptyFolderStartsInTheProgramsCurrentFolder)
{
    TScratchFolder folder("current");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    TThreadProcessStarter starter;
    starter.Start(ProbeCommand("here"), "");
    const std::string written = AwaitProbe(folder);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(written, "here\n");
}

TEST(TaskThread, ProgramThatCannotStartIsNoError)
{
    TScratchFolder folder("missing");
    TThreadProcessStarter starter;
    starter.Start("\"" + folder.Path() + "no such program.exe\"", folder.Path());
    starter.Start(ProbeCommand("after"), folder.Path() + "no such folder");
    // The next start still works.
    starter.Start(ProbeCommand("still"), folder.Path());
    EXPECT_EQ(AwaitProbe(folder), "still\n");
}

}  // namespace
