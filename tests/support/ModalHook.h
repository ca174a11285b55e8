#pragma once
// Acting on a modal form as a user would, while the form's own loop waits.

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "WinTestSupport.h"
#include "widgets/Form.h"

// While it lives, act runs on every modal form once it shows; act must close the form (a form
// left open is closed with Cancel and counted as a failure, so that no test hangs).
class TModalHook {
public:
    explicit TModalHook(std::function<void(TForm&)> act) : act_(std::move(act))
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
    ~TModalHook() { TForm::ModalHook = nullptr; }
    TModalHook(const TModalHook&) = delete;
    TModalHook& operator=(const TModalHook&) = delete;
    int Shown() const { return shown_; }

private:
    std::function<void(TForm&)> act_;
    int shown_ = 0;
};
