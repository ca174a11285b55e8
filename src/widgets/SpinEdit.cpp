#include "widgets/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "widgets/Form.h"

namespace {

constexpr int ButtonsWidth = 14;

TControlSpec FieldPart(const TControlSpec& place)
{
    TControlSpec field = place;
    field.Width = std::max(0, place.Width - ButtonsWidth);
    return field;
}

TControlSpec ButtonsPart(const TControlSpec& place)
{
    TControlSpec buttons{place.Left + std::max(0, place.Width - ButtonsWidth), place.Top,
                         std::min(ButtonsWidth, place.Width), place.Height, {}, {}};
    return buttons;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

// The arrows: an up-down control whose own position never moves; each step goes to the field.
class TSpinButtons : public TControl {
public:
    TSpinButtons(HWND parent, const TControlSpec& place, TSpinEdit& field)
        : TControl(parent, UPDOWN_CLASSA, UDS_ARROWKEYS, 0, place), field_(field)
    {
        SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(field.Handle()), 0);
        // Taking a buddy may resize the arrows to their default; they keep the place given.
        const UINT dpi = FormDpi(parent);
        SetWindowPos(Handle(), nullptr, Scale(place.Left, dpi), Scale(place.Top, dpi), Scale(place.Width, dpi),
                     Scale(place.Height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(-1), 1);
        SendMessageA(Handle(), UDM_SETPOS32, 0, 0);
    }

    LRESULT Notify(NMHDR* hdr) override
    {
        if (hdr->code != UDN_DELTAPOS) return 0;
        field_.Step(reinterpret_cast<NMUPDOWN*>(hdr)->iDelta);
        return TRUE;
    }

private:
    TSpinEdit& field_;
};

int SpinTextValue(const std::string& text, int fallback)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < end && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0 || i != end) return fallback;
    double value = std::trunc(std::strtod(text.substr(begin, end - begin).c_str(), nullptr));
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

TSpinEdit::TSpinEdit(TForm& parent, const TControlSpec& place, int minValue, int maxValue, HWND parentHandle)
    : TEdit(parent, FieldPart(place), parentHandle), min_(minValue), max_(std::max(minValue, maxValue))
{
    // Narrow margins, so that a short field still shows a whole year.
    SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(1, 1));
    buttons_ = std::make_unique<TSpinButtons>(parentHandle ? parentHandle : parent.Handle(), ButtonsPart(place), *this);
}

TSpinEdit::~TSpinEdit() = default;

HWND TSpinEdit::ButtonsHandle() const
{
    return buttons_->Handle();
}

int TSpinEdit::Value() const
{
    return SpinTextValue(Text(), min_);
}

void TSpinEdit::SetValue(int value)
{
    std::string text = std::to_string(std::clamp(value, min_, max_));
    if (Text() != text) SetText(text);
}

void TSpinEdit::Step(int delta)
{
    long long next = static_cast<long long>(Value()) + delta;
    SetValue(static_cast<int>(std::clamp<long long>(next, min_, max_)));
}

LRESULT TSpinEdit::SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Only what a whole number is written with, and the editing keys.
    if (msg == WM_CHAR) {
        char c = static_cast<char>(wParam);
        bool allowed = (c >= '0' && c <= '9') || c == '-' || c == '+' || static_cast<unsigned char>(c) < 32;
        if (!allowed) {
            MessageBeep(MB_OK);
            return 0;
        }
    }
    return TEdit::SubclassProc(msg, wParam, lParam);
}
