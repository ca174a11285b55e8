#pragma once
// The program as a whole: its instance, its title, the hidden owner window that stands for
// it on the taskbar, the message loop and the one place where handler errors are shown.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

class TApplication {
public:
    HINSTANCE Instance() const { return instance_; }

    // Creates the owner window; safe to call more than once.
    void Initialize(HINSTANCE instance);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // The hidden top-level window that owns the program's forms.
    HWND Handle() const { return handle_; }

    // The program's main window (nullptr while there is none or once it is gone).
    HWND MainWindow() const { return mainWindow_ && IsWindow(mainWindow_) ? mainWindow_ : nullptr; }
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    // The owner of a modal window about to open (other than `opening`): the window the user
    // opened it from, so that it stays above that window (the top-most clock included) and takes
    // no taskbar button; opened from no visible window of the program's (the tray menu), the main
    // window, shown or not.
    HWND ModalOwner(HWND opening = nullptr) const;

    // Runs the message loop until Terminate (or WM_QUIT).
    void Run();
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Takes back a Terminate whose quit message has not been seen yet.
    void CancelTerminate();

    // The program's form that was active last (nullptr once it is gone); showing the program
    // brings it back to the front.
    HWND LastActiveWindow() const;
    void NoteActive(HWND form) { lastActive_ = form; }

    // The program as a whole is minimised or restored (a minimise command sent to the owner
    // window, as "minimise all" sends it).
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;

    // Runs an event handler; an error it raises is shown in a message box. True when none was raised.
    bool Guard(const std::function<void()>& handler);
    void ShowException(const std::exception& e);

    // Every message box of the program goes through here.
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);
    // Tests answer message boxes instead of a user.
    std::function<int(const std::string& text, const std::string& caption, UINT flags)> MessageBoxHook;

    // Handles one message the way the program's loops do (key preview, dialog keys, dispatch).
    static void HandleMessage(MSG& msg);

private:
    HINSTANCE instance_ = nullptr;
    HWND handle_ = nullptr;
    HWND lastActive_ = nullptr;
    HWND mainWindow_ = nullptr;
    std::string title_;
    bool terminated_ = false;
};

extern TApplication Application;
