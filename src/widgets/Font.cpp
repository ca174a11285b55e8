#include "widgets/Font.h"

#include <cstring>

TFont::TFont(std::string name, int size, std::uint8_t style, COLORREF color, std::uint8_t charset)
    : name_(std::move(name)), size_(size), charset_(charset), style_(style), color_(color)
{
}

TFont::TFont(const TFont& other)
    : name_(other.name_), size_(other.size_), charset_(other.charset_), style_(other.style_), color_(other.color_),
      dpi_(other.dpi_)
{
}

TFont& TFont::operator=(const TFont& other)
{
    if (this != &other) {
        name_ = other.name_;
        size_ = other.size_;
        charset_ = other.charset_;
        style_ = other.style_;
        color_ = other.color_;
        dpi_ = other.dpi_;
        Changed();
    }
    return *this;
}

void TFont::SetName(std::string name)
{
    name_ = std::move(name);
    Changed();
}

void TFont::SetSize(int size)
{
    size_ = size;
    Changed();
}

void TFont::SetCharset(std::uint8_t charset)
{
    charset_ = charset;
    Changed();
}

void TFont::SetStyle(std::uint8_t style)
{
    style_ = style;
    Changed();
}

void TFont::SetDpi(UINT dpi)
{
    if (dpi == dpi_) return;
    dpi_ = dpi;
    Changed();
}

int TFont::Height() const
{
    return -MulDiv(size_, static_cast<int>(dpi_), 72);
}

void TFont::SetHeight(int height)
{
    size_ = -MulDiv(height, 72, static_cast<int>(dpi_));
    Changed();
}

LOGFONTA TFont::ToLogFont() const
{
    LOGFONTA lf{};
    lf.lfHeight = Height();
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = charset_;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    return lf;
}

void TFont::Assign(const LOGFONTA& lf, COLORREF color)
{
    name_ = lf.lfFaceName;
    size_ = -MulDiv(lf.lfHeight, 72, static_cast<int>(dpi_));
    if (lf.lfHeight > 0) size_ = MulDiv(lf.lfHeight, 72, static_cast<int>(dpi_));
    charset_ = lf.lfCharSet;
    style_ = static_cast<std::uint8_t>((lf.lfWeight >= FW_BOLD ? fsBold : 0) | (lf.lfItalic ? fsItalic : 0) |
                                       (lf.lfUnderline ? fsUnderline : 0) | (lf.lfStrikeOut ? fsStrikeOut : 0));
    color_ = color;
    Changed();
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        LOGFONTA lf = ToLogFont();
        handle_.Reset(CreateFontIndirectA(&lf));
    }
    return handle_.Get();
}
