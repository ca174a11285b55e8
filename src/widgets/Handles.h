#pragma once
// Move-only owners of GDI objects and other handles.

#include <windows.h>

#include <utility>

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
    ~TUniqueHandle() { Reset(); }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    void Reset(H h = H{})
    {
        if (h_ != H{}) Traits::Close(h_);
        h_ = h;
    }
    H Release() { return std::exchange(h_, H{}); }

private:
    H h_{};
};

struct TGdiTraits {
    static void Close(HGDIOBJ h) { DeleteObject(h); }
};
struct TIconTraits {
    static void Close(HICON h) { DestroyIcon(h); }
};
struct TMenuTraits {
    static void Close(HMENU h) { DestroyMenu(h); }
};

using TFontHandle = TUniqueHandle<HFONT, TGdiTraits>;
using TBrushHandle = TUniqueHandle<HBRUSH, TGdiTraits>;
using TBitmapHandle = TUniqueHandle<HBITMAP, TGdiTraits>;
using TIconHandle = TUniqueHandle<HICON, TIconTraits>;
using TMenuHandle = TUniqueHandle<HMENU, TMenuTraits>;

// Selects an object into a device context for one scope.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;
    ~TSelectObject() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};
