#pragma once
// What the Wine tests of the alarm dialogs share: acting on a modal dialog as a user would.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <utility>

#include "../support/WinTestSupport.h"
#include "base/DateTime.h"
#include "base/SystemTimeRecord.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"

// While it lives, act runs on every modal dialog once it shows; act must close the dialog (a
// dialog left open is closed with Cancel and counted as a failure).
class TModalActor {
public:
    explicit TModalActor(std::function<void(TForm&)> act) : act_(std::move(act))
    {
        TForm::ModalHook = [this](TForm& f) {
            ++shown_;
            act_(f);
            PumpMessages();
            if (f.ModalResult() == mrNone) {
                ADD_FAILURE() << "the dialog " << f.Caption() << " stayed open";
                f.SetModalResult(mrCancel);
            }
        };
    }
    ~TModalActor() { TForm::ModalHook = nullptr; }
    TModalActor(const TModalActor&) = delete;
    TModalActor& operator=(const TModalActor&) = delete;
    int Shown() const { return shown_; }

private:
    std::function<void(TForm&)> act_;
    int shown_ = 0;
};

inline void Click(const TControl& control)
{
    SendMessageA(control.Handle(), BM_CLICK, 0, 0);
    PumpMessages();
}

inline TSystemTime Stamp(int y, int mo, int d, int h, int mi, int s = 0)
{
    return ToRecord(At(WORD(y), WORD(mo), WORD(d), WORD(h), WORD(mi), WORD(s)));
}

inline TSystemTime Today()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return Stamp(now.wYear, now.wMonth, now.wDay, 0, 0);
}
