#pragma once
// The worker that starts one alarm's application. It owns copies of its two strings, touches
// nothing else of the program and frees itself when the start is done.

#include <windows.h>

#include <string>

class TTaskThread {
public:
    // Created suspended; Start lets it run. Until then the creator owns it.
    TTaskThread(std::string commandLine, std::string startFolder);
    TTaskThread(const TTaskThread&) = delete;
    TTaskThread& operator=(const TTaskThread&) = delete;

    // Runs the body on the thread, which then frees the object. False (and the object freed at
    // once) when no thread could be made.
    static bool Run(TTaskThread* thread);

    // One process start with the command line and folder; the result is not looked at.
    void Execute();

private:
    static DWORD WINAPI ThreadProc(void* self);

    std::string commandLine_;
    std::string startFolder_;
};
