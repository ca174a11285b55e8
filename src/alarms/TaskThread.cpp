#include "alarms/TaskThread.h"

#include <vector>

#include "base/Handles.h"

TTaskThread::TTaskThread(std::string commandLine, std::string startFolder)
    : commandLine_(std::move(commandLine)), startFolder_(std::move(startFolder))
{
}

bool TTaskThread::Run(std::unique_ptr<TTaskThread> thread)
{
    TKernelHandle handle(CreateThread(nullptr, 0, &ThreadProc, thread.get(), CREATE_SUSPENDED, nullptr));
    if (!handle) return false;
    // The thread owns it from here on; it can't run before it is resumed.
    thread.release();
    ResumeThread(handle.Get());
    return true;
}

DWORD WINAPI TTaskThread::ThreadProc(void* self)
{
    std::unique_ptr<TTaskThread>(static_cast<TTaskThread*>(self))->Execute();
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
        TKernelHandle thread(process.hThread), started(process.hProcess);
    }
}
