#pragma once
// The worker that starts one alarm's application. It owns copies of its two strings, touches
// nothing else of the program and frees itself when the start is done.

#include <windows.h>

#include <memory>
#include <string>

class TTaskThread {
public:
    TTaskThread(std::string commandLine, std::string startFolder);
    TTaskThread(const TTaskThread&) = delete;
    TTaskThread& operator=(const TTaskThread&) = delete;

    // Runs the body on a thread of its own, which takes the object over and frees it when done.
    // False (and the object freed at once) when no thread could be made.
    static bool Run(std::unique_ptr<TTaskThread> thread);

    // One process start with the command line and folder; the result is not looked at.
    void Execute();

private:
    static DWORD WINAPI ThreadProc(void* self);

    std::string commandLine_;
    std::string startFolder_;
};
