#include "widgets/Edits.h"

#include "widgets/Form.h"

namespace {

DWORD MemoStyle(TScrollBars scrollBars, bool wordWrap)
{
    DWORD style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_TABSTOP;
    if (!wordWrap) style |= ES_AUTOHSCROLL;
    if (scrollBars == ssVertical || scrollBars == ssBoth) style |= WS_VSCROLL;
    // A wrapping memo has nothing to scroll sideways.
    if ((scrollBars == ssHorizontal || scrollBars == ssBoth) && !wordWrap) style |= WS_HSCROLL;
    return style;
}

}  // namespace

TEdit::TEdit(TForm& parent, const TControlSpec& place, HWND parentHandle, DWORD extraStyle)
    : TControl(parentHandle ? parentHandle : parent.Handle(), "EDIT", ES_AUTOHSCROLL | WS_TABSTOP | extraStyle,
               WS_EX_CLIENTEDGE, place)
{
}

void TEdit::SetReadOnly(bool readOnly)
{
    SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TEdit::SelectAll()
{
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TEdit::Command(WORD notifyCode)
{
    if (notifyCode == EN_CHANGE && OnChange) OnChange(*this);
}

TMemo::TMemo(TForm& parent, const TControlSpec& place, TScrollBars scrollBars, bool wordWrap, HWND parentHandle)
    : TControl(parentHandle ? parentHandle : parent.Handle(), "EDIT", MemoStyle(scrollBars, wordWrap),
               WS_EX_CLIENTEDGE, place)
{
}

void TMemo::Command(WORD notifyCode)
{
    if (notifyCode == EN_CHANGE && OnChange) OnChange(*this);
}
