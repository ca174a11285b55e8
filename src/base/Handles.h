#pragma once
// Move-only owners of every kind of handle the program holds: kernel objects, device contexts,
// GDI objects, image lists, icons, menus and registry keys. Nothing else closes a handle by hand.

#include <windows.h>

#include <commctrl.h>

#include <utility>

// Traits give Close (returning whether it worked) and may say which values own nothing.
template <class H>
struct TNullIsEmpty {
    static bool Owns(H h) { return h != H{}; }
};

template <class H, class Traits>
class TUniqueHandle {
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(H h) : h_(h) {}
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;
    TUniqueHandle(TUniqueHandle&& other) noexcept : h_(std::exchange(other.h_, H{})) {}
    TUniqueHandle& operator=(TUniqueHandle&& other) noexcept
    {
        if (this != &other) Reset(std::exchange(other.h_, H{}));
        return *this;
    }
    ~TUniqueHandle() { Close(); }

    H Get() const { return h_; }
    explicit operator bool() const { return Traits::Owns(h_); }
    void Reset(H h = H{})
    {
        Close();
        h_ = h;
    }
    // For the callers that check it: false when the system refused to close the handle.
    bool Close()
    {
        const H h = std::exchange(h_, H{});
        return !Traits::Owns(h) || Traits::Close(h) != FALSE;
    }
    H Release() { return std::exchange(h_, H{}); }

private:
    H h_{};
};

// CreateFile reports failure as INVALID_HANDLE_VALUE, most other creators as null: neither owns.
struct TKernelTraits {
    static bool Owns(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static BOOL Close(HANDLE h) { return CloseHandle(h); }
};
struct TGdiTraits : TNullIsEmpty<HGDIOBJ> {
    static BOOL Close(HGDIOBJ h) { return DeleteObject(h); }
};
struct TMemoryDCTraits : TNullIsEmpty<HDC> {
    static BOOL Close(HDC h) { return DeleteDC(h); }
};
struct TIconTraits : TNullIsEmpty<HICON> {
    static BOOL Close(HICON h) { return DestroyIcon(h); }
};
struct TMenuTraits : TNullIsEmpty<HMENU> {
    static BOOL Close(HMENU h) { return DestroyMenu(h); }
};
struct TImageListTraits : TNullIsEmpty<HIMAGELIST> {
    static BOOL Close(HIMAGELIST h) { return ImageList_Destroy(h); }
};
struct TRegKeyTraits : TNullIsEmpty<HKEY> {
    static BOOL Close(HKEY h) { return RegCloseKey(h) == ERROR_SUCCESS; }
};

using TKernelHandle = TUniqueHandle<HANDLE, TKernelTraits>;
using TFontHandle = TUniqueHandle<HFONT, TGdiTraits>;
using TBrushHandle = TUniqueHandle<HBRUSH, TGdiTraits>;
using TBitmapHandle = TUniqueHandle<HBITMAP, TGdiTraits>;
using TMemoryDC = TUniqueHandle<HDC, TMemoryDCTraits>;
using TImageListHandle = TUniqueHandle<HIMAGELIST, TImageListTraits>;
using TIconHandle = TUniqueHandle<HICON, TIconTraits>;
using TMenuHandle = TUniqueHandle<HMENU, TMenuTraits>;
// Only keys that the program opened: predefined roots (HKEY_CURRENT_USER...) are never put here.
using TRegKeyHandle = TUniqueHandle<HKEY, TRegKeyTraits>;

// A window's device context (the screen's for a null window) for one scope.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    ~TWindowDC()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context for one scope.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(dc ? SelectObject(dc, obj) : nullptr) {}
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;
    ~TSelectObject()
    {
        if (dc_ && old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};
