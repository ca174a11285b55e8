// Every form's class, caption, frame, size and the places of its controls, as the user sees them
// at 96 DPI.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "../support/WinTestSupport.h"
#include "alarms/frmAlarmProp.h"
#include "alarms/frmAlarms.h"
#include "alarms/frmCronMask.h"
#include "alarms/frmMessage.h"
#include "calendar/frmCalendar.h"
#include "clock/frmPlan.h"
#include "clock/frmTZSelect.h"
#include "options/frmOpt.h"

namespace {

template <class>
struct TOwner;
template <class C, class M>
struct TOwner<M C::*> {
    using Type = C;
};

// The window of a form's control member.
template <auto member>
HWND Child(TForm& form)
{
    return (static_cast<typename TOwner<decltype(member)>::Type&>(form).*member).Handle();
}

template <class F>
std::shared_ptr<TForm> Make()
{
    return std::make_shared<F>();
}

// A message window lives as long as its alarm.
std::shared_ptr<TForm> MessageWindow()
{
    auto alarm = std::make_shared<TAlarm>();
    alarm->Name = "Tea";
    return std::shared_ptr<TForm>(alarm, TMessageForm::Open(*alarm, "Doviz Clock", {}));
}

// The frames, as style bits that must be on and off.
constexpr LONG_PTR sizing = WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
struct TFrame {
    LONG_PTR on, off, exOn;
};
constexpr TFrame dialog{WS_SYSMENU, sizing, 0};
constexpr TFrame toolWindow{WS_CAPTION, 0, WS_EX_TOOLWINDOW};
constexpr TFrame bareToolWindow{WS_CAPTION, WS_SYSMENU | sizing, WS_EX_TOOLWINDOW};
constexpr TFrame sizeable{WS_THICKFRAME, 0, 0};

constexpr LONG any = -1;

struct TPlace {
    const char* name;
    std::function<HWND(TForm&)> window;
    LONG left, top, width, height;  // any: not pinned
};

struct TShape {
    const char* className;
    std::function<std::shared_ptr<TForm>()> make;
    const char* caption;
    SIZE client;  // {0, 0}: not pinned
    SIZE outer;   // the whole window, where that is what is pinned
    TFrame frame;
    bool centred;  // on the primary monitor's work area
    std::vector<TPlace> places;
};

const TShape Shapes[] = {
    {"TOptForm", Make<TOptForm>, "Doviz Clock options", {318, 308}, {}, dialog, true,
     {{"UpperPanel", Child<&TOptForm::UpperPanel>, any, any, 318, 241},
      {"LowerPanel", Child<&TOptForm::LowerPanel>, any, any, 318, 32},
      {"OkBtn", Child<&TOptForm::OkBtn>, any, any, 75, 25},
      {"CancelBtn", Child<&TOptForm::CancelBtn>, any, any, 75, 25},
      {"ActionCombo", Child<&TOptForm::ActionCombo>, any, any, 153, any}}},
    {"TAlPropForm", Make<TAlPropForm>, "Alarm properties", {489, 311}, {}, dialog, false, {}},
    {"TMessageForm", MessageWindow, "Doviz Clock", {259, 125}, {}, dialog, false,
     {{"TextMemo", Child<&TMessageForm::TextMemo>, any, any, 259, 64}}},
    {"TCronMaskForm", Make<TCronMaskForm>, "Cron mask", {409, 241}, {}, dialog, false, {}},
    {"TAlarmsForm", Make<TAlarmsForm>, "Alarms", {}, {207, 203}, sizeable, false, {}},
    {"TTZSelectDlg", Make<TTZSelectDlg>, "TimeZone Selection", {265, 171}, {}, bareToolWindow, true,
     {{"TZListBox", Child<&TTZSelectDlg::TZListBox>, 0, 0, 265, 113},
      {"AliasEdit", Child<&TTZSelectDlg::AliasEdit>, any, any, 233, any}}},
    {"TCalendarForm", Make<TCalendarForm>, "Calendar", {181, 152}, {}, dialog, false,
     {{"PrevYearBtn", Child<&TCalendarForm::PrevYearBtn>, 0, 0, 14, 21},
      {"PrevMonBtn", Child<&TCalendarForm::PrevMonBtn>, 14, 0, 14, 21},
      {"MonthCombo", Child<&TCalendarForm::MonthCombo>, 28, any, 77, any},
      {"YearSpin field", Child<&TCalendarForm::YearSpin>, 104, 0, 35, 21},
      {"YearSpin arrows", [](TForm& f) { return static_cast<TCalendarForm&>(f).YearSpin.ButtonsHandle(); }, 139, 0, 14, 21},
      {"NextMonBtn", Child<&TCalendarForm::NextMonBtn>, 153, 0, 14, 21},
      {"NextYearBtn", Child<&TCalendarForm::NextYearBtn>, 167, 0, 14, 21},
      {"Calendar", Child<&TCalendarForm::Calendar>, 0, 21, 181, 99},
      {"OkBtn", Child<&TCalendarForm::OkBtn>, 47, 126, 75, 25}}},
    {"TPlanForm", Make<TPlanForm>, "Plan a time", {}, {}, toolWindow, false, {}},
};

RECT InParent(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(FormShapes, EveryFormHasItsCaptionFrameSizeAndControlPlaces)
{
    for (const TShape& shape : Shapes) {
        SCOPED_TRACE(shape.className);
        std::shared_ptr<TForm> form = shape.make();
        const HWND window = form->Handle();
        char className[64] = {};
        GetClassNameA(window, className, sizeof className);
        EXPECT_STREQ(className, shape.className);
        EXPECT_EQ(form->Caption(), shape.caption);
        if (shape.client.cx) {
            EXPECT_EQ(form->ClientSize().cx, shape.client.cx);
            EXPECT_EQ(form->ClientSize().cy, shape.client.cy);
        }
        RECT wr{};
        GetWindowRect(window, &wr);
        if (shape.outer.cx) {
            EXPECT_EQ(wr.right - wr.left, shape.outer.cx);
            EXPECT_EQ(wr.bottom - wr.top, shape.outer.cy);
        }

        const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
        const LONG_PTR ex = GetWindowLongPtrA(window, GWL_EXSTYLE);
        EXPECT_EQ(style & shape.frame.on, shape.frame.on);
        EXPECT_EQ(style & shape.frame.off, 0);
        EXPECT_EQ(ex & shape.frame.exOn, shape.frame.exOn);
        if (shape.centred) {
            MONITORINFO mi{sizeof mi};
            GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &mi);
            EXPECT_NEAR(wr.left + wr.right, mi.rcWork.left + mi.rcWork.right, 1);
            EXPECT_NEAR(wr.top + wr.bottom, mi.rcWork.top + mi.rcWork.bottom, 1);
        }

        for (const TPlace& p : shape.places) {
            const RECT r = InParent(p.window(*form));
            const LONG got[] = {r.left, r.top, r.right - r.left, r.bottom - r.top};
            const LONG want[] = {p.left, p.top, p.width, p.height};
            for (int i = 0; i < 4; ++i) {
                if (want[i] == any) continue;
                EXPECT_EQ(got[i], want[i]) << p.name << " edge " << i;
            }
        }
        form.reset();
        PumpMessages();
    }
}

}  // namespace
