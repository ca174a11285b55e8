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
    p.ClientHeight = 140;
    return p;
}

std::string WithoutTrailingSeparator(std::string folder)
{
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

}  // namespace

TAboutBox::TAboutBox(const std::string& dataFolder)
    : TForm(AboutParams()),
      ProgramIcon(*this, {16, 16, 32, 32}, ProgramIconHandle(Dpi())),
      ProductLabel(*this, {64, 24, 160, 16, "Doviz Clock 1.5"}),
      DataFolderLabel(*this, {16, 58, 208, 14, "Data folder:"}),
      DataFolderEdit(*this, {16, 74, 208, 21, WithoutTrailingSeparator(dataFolder)}),
      OKButton(*this, {82, 104, 75, 25, "OK"})
{
    DataFolderEdit.SetReadOnly(true);
    OKButton.ModalResult = mrOk;
    OKButton.SetDefault(true);
    CancelButton = &OKButton;
}

void TAboutBox::DpiChanged(UINT)
{
    SendMessageA(ProgramIcon.Handle(), STM_SETICON, reinterpret_cast<WPARAM>(ProgramIconHandle(Dpi())), 0);
}

void ShowAboutBox(const std::string& dataFolder)
{
    TAboutBox box(dataFolder);
    box.ShowModal();
}
