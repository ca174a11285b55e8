#pragma once
// A font as the clocks keep it: face name, size in points, character set, style bits and colour.

#include <windows.h>

#include <cstdint>
#include <string>

#include "widgets/Dpi.h"
#include "base/Handles.h"

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
public:
    TFont() = default;
    TFont(std::string name, int size, std::uint8_t style = 0, COLORREF color = 0, std::uint8_t charset = DEFAULT_CHARSET);
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return name_; }
    int Size() const { return size_; }
    std::uint8_t Charset() const { return charset_; }
    std::uint8_t Style() const { return style_; }
    COLORREF Color() const { return color_; }

    void SetName(std::string name);
    void SetSize(int size);
    void SetCharset(std::uint8_t charset);
    void SetStyle(std::uint8_t style);
    void SetColor(COLORREF color) { color_ = color; }

    // The DPI the handle is made for; the size in points stays.
    UINT Dpi() const { return dpi_; }
    void SetDpi(UINT dpi);

    // Height in pixels at the font's DPI, as LOGFONT wants it (negative: character height).
    int Height() const;
    void SetHeight(int height);

    LOGFONTA ToLogFont() const;
    void Assign(const LOGFONTA& lf, COLORREF color);

    // The same font as the user sees it: name, size, character set, style and colour.
    friend bool operator==(const TFont& a, const TFont& b)
    {
        return a.name_ == b.name_ && a.size_ == b.size_ && a.charset_ == b.charset_ && a.style_ == b.style_ &&
               a.color_ == b.color_;
    }

    // Created on first use and again after a change.
    HFONT Handle() const;

private:
    void Changed() { handle_.Reset(); }

    std::string name_ = "MS Sans Serif";
    int size_ = 8;
    std::uint8_t charset_ = DEFAULT_CHARSET;
    std::uint8_t style_ = 0;
    COLORREF color_ = 0;
    UINT dpi_ = SystemDpi();
    mutable TFontHandle handle_;
};
