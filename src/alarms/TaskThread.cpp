#include "alarms/TaskThread.h"

#include <vector>

TTaskThread::TTaskThread(std::string commandLine, std::string startFolder)
    : commandLine_(std::move(commandLine)), startFolder_(std::move(startFolder))
{
}

bool TTaskThread::Run(TTaskThread* thread)
{
    HANDLE handle = CreateThread(nullptr, 0, &ThreadProc, thread, CREATE_SUSPENDED, nullptr);
    if (!handle) {
        delete thread;
        return false;
    }
    ResumeThread(handle);
    CloseHandle(handle);
    return true;
}

DWORD WINAPI TTaskThread::ThreadProc(void* self)
{
    auto* thread = static_cast<TTaskThread*>(self);
    thread->Execute();
    delete thread;
    return 0;
}

void TTaskThread::Execute()
{
    // CreateProcessA may write into the command line.
    std::vector<char> commandLine(commandLine_.begin(), commandLine_.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr,
                       startFolder_.empty() ? nullptr : startFolder_.c_str(), &startup, &process)) {
        // Not waited for: the handles are only let go.
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
