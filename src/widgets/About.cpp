#include "widgets/About.h"

#include "../../res/resource.h"
#include "widgets/Application.h"

namespace {

HICON ProgramIconHandle()
{
    return static_cast<HICON>(LoadImageA(Application.Instance(), MAKEINTRESOURCEA(IDI_DOVIZCLOCK), IMAGE_ICON, 32, 32,
                                         LR_SHARED));
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
      ProgramIcon(*this, {16, 16, 32, 32}, ProgramIconHandle()),
      ProductLabel(*this, {64, 24, 160, 16, "Doviz Clock 1.5"}),
      OKButton(*this, {82, 60, 75, 25, "OK"})
{
    OKButton.ModalResult = mrOk;
    OKButton.SetDefault(true);
    CancelButton = &OKButton;
}

void ShowAboutBox()
{
    TAboutBox box;
    box.ShowModal();
}
