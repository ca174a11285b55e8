#include "widgets/About.h"

#include "../../res/resource.h"
#include "widgets/Application.h"

namespace {

// The icon file holds a picture for 96 DPI and one for 144.
HICON ProgramIconHandle(UINT dpi)
{
    const int size = Scale(32, dpi);
    return static_cast<HICON>(LoadImageA(Application.Instance(), MAKEINTRESOURCEA(IDI_DOVIZCLOCK), IMAGE_ICON, size,
                                         size, LR_SHARED));
}

TForm::TParams AboutParams()
{
    TForm::TParams p;
    p.ClassName = "TAboutBox";
    p.Caption = "About";
    p.BorderStyle = bsDialog;
    p.Position = poScreenCenter;
    p.ClientWidth = 240;
    p.ClientHeight = 96;
    return p;
}

}  // namespace

TAboutBox::TAboutBox()
    : TForm(AboutParams()),
      ProgramIcon(*this, {16, 16, 32, 32}, ProgramIconHandle(Dpi())),
      ProductLabel(*this, {64, 24, 160, 16, "Doviz Clock 1.5"}),
      OKButton(*this, {82, 60, 75, 25, "OK"})
{
    OKButton.ModalResult = mrOk;
    OKButton.SetDefault(true);
    CancelButton = &OKButton;
}

void TAboutBox::DpiChanged(UINT)
{
    SendMessageA(ProgramIcon.Handle(), STM_SETICON, reinterpret_cast<WPARAM>(ProgramIconHandle(Dpi())), 0);
}

void ShowAboutBox()
{
    TAboutBox box;
    box.ShowModal();
}
