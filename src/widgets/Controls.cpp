#include "widgets/Controls.h"

#include <commctrl.h>

#include <stdexcept>

#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/ToolTip.h"

namespace {

int nextControlId = 1000;
// Binds a standard control's window to its object.
const char* const ControlProp = "DovizControl";

HWND ParentOf(TForm& form, HWND parentHandle)
{
    return parentHandle ? parentHandle : form.Handle();
}

// The picture as a disabled button shows it: every pixel but the background turned a light grey
// of its own brightness, so that the shape stays readable and plainly out of use.
TBitmapHandle GreyedCopy(HBITMAP picture, int width, int height, COLORREF background)
{
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    TWindowDC screen(nullptr);
    void* bits = nullptr;
    TBitmapHandle grey(CreateDIBSection(screen.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (grey && GetDIBits(screen.Get(), picture, 0, static_cast<UINT>(height), bits, &bi, DIB_RGB_COLORS) == height) {
        const DWORD back = (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
        auto* pixel = static_cast<DWORD*>(bits);
        for (int i = 0; i < width * height; ++i) {
            const DWORD p = pixel[i] & 0xFFFFFF;
            if (p == back) continue;
            const DWORD light = ((p >> 16 & 0xFF) * 30 + (p >> 8 & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
            const DWORD v = 128 + light / 3;
            pixel[i] = (v << 16) | (v << 8) | v;
        }
        return grey;
    }
    return {};
}

}  // namespace

TControl::TControl(HWND parent, const char* className, DWORD style, DWORD exStyle, const TControlSpec& place)
{
    const UINT dpi = FormDpi(parent);
    hwnd_ = CreateWindowExA(exStyle, className, place.Caption.c_str(), style | WS_CHILD | WS_VISIBLE,
                            Scale(place.Left, dpi), Scale(place.Top, dpi), Scale(place.Width, dpi),
                            Scale(place.Height, dpi), parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId++)), Application.Instance(),
                            nullptr);
    if (!hwnd_) throw std::runtime_error(std::string("Cannot create control ") + className);
    SetWindowSubclass(hwnd_, &Subclass, 1, reinterpret_cast<DWORD_PTR>(this));
    SetPropA(hwnd_, ControlProp, this);
    // The form's font, as every control of a form takes it.
    HWND root = GetAncestor(parent, GA_ROOT);
    if (auto* form = dynamic_cast<TForm*>(TWindow::FromHandle(root))) {
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form->Font().Handle()), FALSE);
        toolTip_ = form->ToolTip();
    }
    if (!place.Hint.empty()) SetHint(place.Hint);
}

TControl::~TControl()
{
    if (hwnd_) {
        RemoveWindowSubclass(hwnd_, &Subclass, 1);
        RemovePropA(hwnd_, ControlProp);
        DestroyWindow(hwnd_);
    }
}

TControl* TControl::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<TControl*>(GetPropA(hwnd, ControlProp)) : nullptr;
}

std::string TControl::Text() const
{
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void TControl::SetText(const std::string& text)
{
    SetWindowTextA(hwnd_, text.c_str());
}

void TControl::SetHint(const std::string& hint)
{
    hint_ = hint;
    SetToolTipText(toolTip_, GetParent(hwnd_), hwnd_, hint_);
}

void TControl::SetEnabled(bool enabled)
{
    ownEnabled_ = enabled;
    // Inside a container that is off, the control stays greyed until the container comes back.
    HWND parent = GetParent(hwnd_);
    EnableWindow(hwnd_, enabled && (!FromHandle(parent) || IsWindowEnabled(parent)));
}

bool ContainerMessage(HWND container, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_ENABLE:
        for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (TControl* control = TControl::FromHandle(child)) EnableWindow(child, wParam && control->ownEnabled_);
        return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
        // Only a child's scrolling is the form's; a container has no scroll bars of its own.
        if (!lParam) return false;
        break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CLOSE:
    case WM_NEXTDLGCTL:
    case DM_GETDEFID:
    case DM_SETDEFID:
        break;
    default:
        return false;
    }
    HWND form = GetAncestor(container, GA_ROOT);
    if (!form || form == container) return false;
    result = SendMessageA(form, msg, wParam, lParam);
    return true;
}

RECT TControl::BoundsInParent() const
{
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LRESULT TControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(hwnd_, msg, wParam, lParam);
}

LRESULT TControl::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYUP:
        if (OnKeyUp) {
            LRESULT r = DefaultProc(msg, wParam, lParam);
            OnKeyUp(*this, static_cast<WORD>(wParam));
            return r;
        }
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (OnMouseUp) {
            LRESULT r = DefaultProc(msg, wParam, lParam);
            OnMouseUp(*this);
            return r;
        }
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

LRESULT CALLBACK TControl::Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref)
{
    auto* self = reinterpret_cast<TControl*>(ref);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &Subclass, 1);
        RemovePropA(hwnd, ControlProp);
        self->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    if (!Application.Guard([&] { result = self->SubclassProc(msg, wParam, lParam); }))
        result = DefSubclassProc(hwnd, msg, wParam, lParam);
    return result;
}

// ---- label

TLabel::TLabel(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TControl(ParentOf(parent, parentHandle), "STATIC", SS_LEFT | SS_NOPREFIX, 0, place)
{
}

// ---- button

TButton::TButton(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TControl(ParentOf(parent, parentHandle), "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, place), form_(parent)
{
}

void TButton::SetDefault(bool isDefault)
{
    form_.DefaultButton = isDefault ? this : (form_.DefaultButton == this ? nullptr : form_.DefaultButton);
    SendMessageA(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::SetGlyph(int bitmapId)
{
    glyphId_ = bitmapId;
    glyph_.Reset(static_cast<HBITMAP>(
        LoadImageA(Application.Instance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!glyph_) return;
    BITMAP bm{};
    GetObjectA(glyph_.Get(), sizeof bm, &bm);
    // Drawn for 96 DPI; at another the picture is stretched whole pixels as they are, never smoothed.
    const UINT dpi = form_.Dpi();
    if (dpi != 96) {
        glyph_.Reset(static_cast<HBITMAP>(LoadImageA(Application.Instance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP,
                                                     Scale(bm.bmWidth, dpi), Scale(bm.bmHeight, dpi),
                                                     LR_CREATEDIBSECTION)));
        if (!glyph_) return;
        GetObjectA(glyph_.Get(), sizeof bm, &bm);
    }
    // A glyph's bottom-left pixel gives its background colour, which is left transparent whatever
    // the bitmap's depth and the system's colours.
    COLORREF background = CLR_NONE;
    if (TMemoryDC dc(CreateCompatibleDC(nullptr)); dc) {
        TSelectObject select(dc.Get(), glyph_.Get());
        background = GetPixel(dc.Get(), 0, bm.bmHeight - 1);
    }
    // A v6 button shows an image list beside its text; the list takes the picture's own size, since
    // a picture narrower than the list's images would add none.
    TImageListHandle list(ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 6, 0));
    if (!list) return;
    // One picture for each of the button's six states (normal, hot, pressed, disabled, default,
    // stylus hot), greyed for the disabled one.
    TBitmapHandle greyed = GreyedCopy(glyph_.Get(), bm.bmWidth, bm.bmHeight, background);
    for (int state = 0; state < 6; ++state)
        ImageList_AddMasked(list.Get(), state == 3 && greyed ? greyed.Get() : glyph_.Get(), background);
    // A picture button without a caption shows its glyph in the middle.
    bool pictureOnly = GetWindowTextLengthA(Handle()) == 0;
    BUTTON_IMAGELIST bil{list.Get(), {pictureOnly ? 0L : Scale(4, dpi), 0, 0, 0},
                         UINT(pictureOnly ? BUTTON_IMAGELIST_ALIGN_CENTER : BUTTON_IMAGELIST_ALIGN_LEFT)};
    if (!SendMessageA(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil))) {
        SendMessageA(Handle(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_.Get()));
        return;
    }
    images_ = std::move(list);
}

void TButton::DpiChanged(UINT)
{
    if (glyphId_) SetGlyph(glyphId_);
}

void TButton::Click()
{
    if (OnClick) OnClick(*this);
    if (ModalResult != 0) form_.SetModalResult(ModalResult);
}

void TButton::Command(WORD notifyCode)
{
    if (notifyCode == BN_CLICKED) Click();
}

// ---- check box

TCheckBox::TCheckBox(TForm& parent, const TControlSpec& place, HWND parentHandle)
    : TControl(ParentOf(parent, parentHandle), "BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, place)
{
}

bool TCheckBox::Checked() const
{
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked)
{
    if (Checked() == checked) return;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick) OnClick(*this);
}

void TCheckBox::Command(WORD notifyCode)
{
    if (notifyCode == BN_CLICKED) SetChecked(!Checked());
}

// ---- radio button

TRadioButton::TRadioButton(TForm& parent, const TControlSpec& place, bool firstOfGroup, HWND parentHandle)
    : TControl(ParentOf(parent, parentHandle), "BUTTON",
               BS_RADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), 0, place)
{
}

bool TRadioButton::Checked() const
{
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool checked)
{
    if (Checked() == checked) return;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!checked) return;
    // Uncheck the rest of the group: the siblings between the WS_GROUP marks around this one.
    HWND parent = GetParent(Handle());
    HWND first = Handle();
    while (!(GetWindowLongPtrA(first, GWL_STYLE) & WS_GROUP)) {
        HWND prev = GetWindow(first, GW_HWNDPREV);
        if (!prev) break;
        first = prev;
    }
    for (HWND w = first; w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w != first && (GetWindowLongPtrA(w, GWL_STYLE) & WS_GROUP)) break;
        if (w != Handle() && GetParent(w) == parent)
            if (auto* other = dynamic_cast<TRadioButton*>(TControl::FromHandle(w)))
                SendMessageA(other->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    }
    if (OnClick) OnClick(*this);
}

void TRadioButton::Command(WORD notifyCode)
{
    if (notifyCode == BN_CLICKED) SetChecked(true);
}

// ---- drop-down list

TComboBox::TComboBox(TForm& parent, const TControlSpec& place, const std::vector<std::string>& items,
                     HWND parentHandle)
    : TControl(ParentOf(parent, parentHandle), "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
               [&] {
                   // The height given is the closed box's; the list drops below it.
                   TControlSpec s = place;
                   s.Height = place.Height + 200;
                   return s;
               }())
{
    for (const auto& item : items) SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TComboBox::ItemIndex() const
{
    return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index)
{
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TComboBox::Count() const
{
    return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0));
}

std::string TComboBox::Item(int index) const
{
    LRESULT length = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void TComboBox::Command(WORD notifyCode)
{
    if (notifyCode == CBN_SELCHANGE && OnChange) OnChange(*this);
}

// ---- panel

namespace {

const char* PanelClass()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA wc{sizeof(wc)};
        wc.lpfnWndProc = &DefWindowProcA;
        wc.hInstance = Application.Instance();
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "TPanel";
        RegisterClassExA(&wc);
        registered = true;
    }
    return "TPanel";
}

}  // namespace

TPanel::TPanel(TForm& parent, const TControlSpec& place, TBevel bevel)
    : TControl(parent.Handle(), PanelClass(), WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, place), bevel_(bevel)
{
}

LRESULT TPanel::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT result = 0; ContainerMessage(Handle(), msg, wParam, lParam, result)) return result;
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        if (bevel_ != bvNone) DrawEdge(dc, &r, bevel_ == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        EndPaint(Handle(), &ps);
        return 0;
    }
    default:
        break;
    }
    return TControl::SubclassProc(msg, wParam, lParam);
}

// ---- icon

TIconImage::TIconImage(TForm& parent, const TControlSpec& place, HICON icon)
    : TControl(parent.Handle(), "STATIC", SS_ICON | SS_CENTERIMAGE, 0, place)
{
    SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}
