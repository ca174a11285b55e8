#include <gtest/gtest.h>

#include "../support/Input.h"
#include "../support/ModalHook.h"
#include "../support/WinTestSupport.h"
#include "widgets/About.h"
#include "widgets/Controls.h"
#include "widgets/Edits.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/OnDemand.h"

namespace {

TEST(Widgets, CheckBoxRunsItsClickOnEveryChangeFromCodeOrUser)
{
    TForm form(TestDialog("TWidgetTest"));
    TCheckBox box(form, {8, 8, 120, 17, "Show dates"});
    int clicks = 0;
    box.OnClick = [&](TCheckBox&) { ++clicks; };
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    SendMessageA(box.Handle(), BM_CLICK, 0, 0);  // as a user's click
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 2);
}

TEST(Widgets, RadioButtonUnchecksTheRestOfItsGroupOnly)
{
    TForm form(TestDialog("TWidgetTest"));
    TRadioButton a(form, {8, 8, 80, 17, "Horizontal"}, true);
    TRadioButton b(form, {100, 8, 80, 17, "Vertical"}, false);
    TRadioButton other(form, {8, 40, 80, 17, "Other group"}, true);
    other.SetChecked(true);
    a.SetChecked(true);
    int bClicks = 0;
    b.OnClick = [&](TRadioButton&) { ++bClicks; };
    SendMessageA(b.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(b.Checked());
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(other.Checked());
    EXPECT_EQ(bClicks, 1);
    a.SetChecked(true);
    EXPECT_FALSE(b.Checked());
}

TEST(Widgets, EscPressesTheCancelButtonAndEnterTheDefaultOne)
{
    for (WORD vk : {VK_ESCAPE, VK_RETURN}) {
        TForm form(TestDialog("TWidgetTest"));
        TButton ok(form, {20, 20, 75, 25, "OK"});
        TButton cancel(form, {100, 20, 75, 25, "Cancel"});
        ok.ModalResult = mrOk;
        ok.SetDefault(true);
        cancel.ModalResult = mrCancel;
        form.CancelButton = &cancel;
        TModalHook hook([&](TForm& f) { PressKey(ok.Handle(), vk); });
        SetFocus(ok.Handle());
        EXPECT_EQ(form.ShowModal(), vk == VK_ESCAPE ? mrCancel : mrOk);
    }
}

TEST(Widgets, EnterWithoutADefaultButtonDoesNotClose)
{
    TForm form(TestDialog("TWidgetTest"));
    TButton ok(form, {20, 20, 75, 25, "OK"});
    TButton cancel(form, {100, 20, 75, 25, "Cancel"});
    ok.ModalResult = mrOk;
    cancel.ModalResult = mrCancel;
    form.CancelButton = &cancel;
    TModalHook hook([&](TForm& f) {
        SetFocus(f.Handle());
        PressKey(f.Handle(), VK_RETURN);
        // Closing from the system menu comes after the key: had Enter pressed OK, the result would be OK.
        PostMessageA(f.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Widgets, ModalFormDisablesTheOtherWindowsWhileItIsUp)
{
    TForm owner(TestDialog("TWidgetTest"));
    owner.Show();
    TForm dialog(TestDialog("TWidgetTest"));
    bool ownerEnabledDuring = true;
    TModalHook hook([&](TForm& f) {
        ownerEnabledDuring = IsWindowEnabled(owner.Handle()) != FALSE;
        f.SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(dialog.Visible());
}

TEST(Widgets, ModalFormGivesTheKeyboardBackToTheWindowThatHadIt)
{
    TForm worked(TestDialog("TWidgetTest"));
    TForm above(TestDialog("TWidgetTest"));
    worked.Show();
    SetForegroundWindow(worked.Handle());
    // Another window on top, not active: where the system would turn once the dialog goes.
    SetWindowPos(above.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    PumpMessages();
    ASSERT_EQ(GetActiveWindow(), worked.Handle());
    TForm dialog(TestDialog("TWidgetTest"));
    TModalHook hook([&](TForm& f) { f.SetModalResult(mrCancel); });
    dialog.ShowModal();
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), worked.Handle());
}

// A memo inside a panel or a group box, between two buttons of the same container.
struct TContainerForm {
    explicit TContainerForm(bool groupBox)
        : box(groupBox ? std::unique_ptr<TControl>(new TGroupBox(form, {8, 8, 200, 140, "Group"}))
                       : std::unique_ptr<TControl>(new TPanel(form, {8, 8, 200, 140}, bvLowered))),
          first(form, {8, 16, 75, 25, "First"}, box->Handle()),
          memo(form, {8, 44, 180, 50}, ssVertical, true, box->Handle()),
          last(form, {8, 100, 75, 25, "Last"}, box->Handle()),
          cancel(form, {120, 160, 75, 25, "Cancel"})
    {
        cancel.ModalResult = mrCancel;
        form.CancelButton = &cancel;
    }
    // A key in the memo, through the form's dialog navigation; with Shift held when asked.
    HWND KeyInMemo(WORD vk, bool shift = false)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        SetFocus(memo.Handle());
        PressKey(memo.Handle(), vk);
        PumpMessages();
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return GetFocus();
    }
    TForm form{TestDialog("TWidgetTest")};
    std::unique_ptr<TControl> box;
    TButton first;
    TMemo memo;
    TButton last;
    TButton cancel;
};

TEST(Widgets, AContainersChildrenSpeakToTheirFormAsIfItWereNotThere)
{
    for (bool groupBox : {false, true}) {
        SCOPED_TRACE(groupBox ? "group box" : "panel");
        TContainerForm f(groupBox);
        int clicks = 0;
        f.last.OnClick = [&](TButton&) { ++clicks; };
        SendMessageA(f.last.Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(clicks, 1);
        // Tab and Shift+Tab leave the memo; Esc in it cancels the dialog and destroys nothing.
        TModalHook hook([&](TForm&) {
            EXPECT_EQ(f.KeyInMemo(VK_TAB), f.last.Handle());
            EXPECT_EQ(f.KeyInMemo(VK_TAB, true), f.first.Handle());
            f.KeyInMemo(VK_ESCAPE);
        });
        EXPECT_EQ(f.form.ShowModal(), mrCancel);
        EXPECT_TRUE(IsWindow(f.box->Handle()) && IsWindow(f.memo.Handle()));
    }
}

TEST(Widgets, AContainerTurnedOffGreysItsChildrenWhichKeepTheirOwnState)
{
    for (bool groupBox : {false, true}) {
        SCOPED_TRACE(groupBox ? "group box" : "panel");
        TContainerForm f(groupBox);
        f.last.SetEnabled(false);
        f.box->SetEnabled(false);
        EXPECT_FALSE(f.first.Enabled() || f.memo.Enabled() || f.last.Enabled());
        // Turned on by the program while the container is off: it waits for the container.
        f.first.SetEnabled(true);
        EXPECT_FALSE(f.first.Enabled());
        f.box->SetEnabled(true);
        EXPECT_TRUE(f.first.Enabled() && f.memo.Enabled());
        EXPECT_FALSE(f.last.Enabled());
        EXPECT_TRUE(f.cancel.Enabled());
    }
}

TEST(Widgets, HandlerErrorIsShownWithTheProgramTitle)
{
    std::string text, caption;
    UINT flags = 0;
    Application.MessageBoxHook = [&](const std::string& t, const std::string& c, UINT f) {
        text = t, caption = c, flags = f;
        return IDOK;
    };
    TForm form(TestDialog("TWidgetTest"));
    TButton button(form, {20, 20, 75, 25, "Go"});
    button.OnClick = [](TButton&) { throw std::runtime_error("Invalid data type for 'OnTop'"); };
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    Application.MessageBoxHook = nullptr;
    EXPECT_EQ(text, "Invalid data type for 'OnTop'");
    EXPECT_EQ(caption, "Doviz Clock");
    EXPECT_TRUE(flags & MB_ICONERROR);
}

TEST(Widgets, AboutBoxNamesTheProgramAndItsDataFolderAndClosesWithOk)
{
    const std::string folder = "C:\\users\\someone with a long name\\Application Data\\Doviz Clock\\";
    std::string caption, product, shown;
    bool hasIcon = false, readOnly = false, inside = false;
    TModalHook hook([&](TForm& f) {
        auto& box = static_cast<TAboutBox&>(f);
        caption = box.Caption();
        product = box.ProductLabel.Text();
        hasIcon = SendMessageA(box.ProgramIcon.Handle(), STM_GETICON, 0, 0) != 0;
        shown = box.DataFolderEdit.Text();
        readOnly = (GetWindowLongA(box.DataFolderEdit.Handle(), GWL_STYLE) & ES_READONLY) != 0;
        // However long the path, its field stays inside the box; the path scrolls in it.
        RECT field = box.DataFolderEdit.BoundsInParent(), client = box.ClientRect(), both;
        inside = IntersectRect(&both, &field, &client) && EqualRect(&both, &field);
        EXPECT_EQ(box.OKButton.Text(), "OK");
        SendMessageA(box.OKButton.Handle(), BM_CLICK, 0, 0);
    });
    TAboutBox box(folder);
    EXPECT_EQ(box.ShowModal(), mrOk);
    EXPECT_EQ(caption, "About");
    EXPECT_EQ(product, "Doviz Clock 1.5");
    EXPECT_TRUE(hasIcon);
    EXPECT_EQ(shown, folder.substr(0, folder.size() - 1));
    EXPECT_TRUE(readOnly) << "to be read and copied, not edited";
    EXPECT_TRUE(inside);
}

// Each test runs in a process of its own, so nothing before it has mapped the libraries.
TEST(OnDemand, SoundAndDialogLibrariesAreMappedOnlyWhenFirstUsed)
{
    EXPECT_EQ(GetModuleHandleA("winmm.dll"), nullptr);
    EXPECT_EQ(GetModuleHandleA("comdlg32.dll"), nullptr);
    EXPECT_TRUE(OnDemandPlaySound(nullptr, nullptr, 0));  // stops any sound: nothing to hear
    EXPECT_NE(GetModuleHandleA("winmm.dll"), nullptr);
    COLORREF custom[16] = {};
    CHOOSECOLORA choice{sizeof choice};
    choice.lpCustColors = custom;
    choice.Flags = CC_ENABLEHOOK;
    choice.lpfnHook = [](HWND dialog, UINT msg, WPARAM, LPARAM) -> UINT_PTR {
        if (msg == WM_INITDIALOG) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    };
    EXPECT_FALSE(OnDemandChooseColor(&choice));  // cancelled as soon as it is up
    EXPECT_NE(GetModuleHandleA("comdlg32.dll"), nullptr);
}

}  // namespace
