#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

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

// A fresh folder whose name has a space in it.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& name)
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "Doviz " + name + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
        DeleteFileA(Probe().c_str());
    }
    ~TScratchFolder()
    {
        DeleteFileA(Probe().c_str());
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& Path() const { return path_; }
    std::string Probe() const { return path_ + "\\StartProbe.txt"; }

    // What the probe wrote, once it has written and closed it; empty if it never comes.
    std::string AwaitProbe() const
    {
        for (int i = 0; i < 600; ++i) {
            std::ifstream in(Probe());
            std::stringstream text;
            text << in.rdbuf();
            if (in && !text.str().empty() && text.str().back() == '\n') return text.str();
            Sleep(50);
        }
        return {};
    }

private:
    std::string path_;
};

std::string ProbeCommand(const std::string& arguments)
{
    return "\"" + TestFolder() + "StartProbe.exe\" " + arguments;
}

TEST(TaskThread, StartsTheCommandLineInTheStartFolder)
{
    TScratchFolder folder("start");
    ASSERT_TRUE(TTaskThread::Run(new TTaskThread(ProbeCommand("one \"two words\""), folder.Path())));
    EXPECT_EQ(folder.AwaitProbe(), "one\ntwo words\n");
}

TEST(TaskThread, EmptyFolderStartsInTheProgramsCurrentFolder)
{
    TScratchFolder folder("current");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    TThreadProcessStarter starter;
    starter.Start(ProbeCommand("here"), "");
    const std::string written = folder.AwaitProbe();
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(written, "here\n");
}

TEST(TaskThread, ProgramThatCannotStartIsNoError)
{
    TScratchFolder folder("missing");
    TThreadProcessStarter starter;
    starter.Start("\"" + folder.Path() + "\\no such program.exe\"", folder.Path());
    starter.Start(ProbeCommand("after"), folder.Path() + "\\no such folder");
    // The next start still works.
    starter.Start(ProbeCommand("still"), folder.Path());
    EXPECT_EQ(folder.AwaitProbe(), "still\n");
}

}  // namespace
