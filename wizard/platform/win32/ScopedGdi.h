// Owners of what the window toolkit's Win32 side takes from GDI, in the
// manner of SumatraPDF's ScopedSelectObject: a DC, a selection into a DC, a
// GDI object or a paint is given back when its scope ends, on every path.
// The order of declaration is the order of taking; the scopes end in reverse,
// so a bitmap is deselected before it is deleted and a DC outlives both.
#pragma once

#include "platform/win32/Scoped.h"
#include "platform/win32/Win32.h"

namespace win32 {

// A brush, bitmap or font of Create...; DeleteObject frees it.
template <typename T>
struct GdiObject {
    static T None() { return nullptr; }
    static bool IsValid(T object) { return object != nullptr; }
    static void Close(T object) { ::DeleteObject(object); }
};
using AutoDeleteBrush = Scoped<HBRUSH, GdiObject<HBRUSH>>;
using AutoDeleteBitmap = Scoped<HBITMAP, GdiObject<HBITMAP>>;

// A memory DC of CreateCompatibleDC; DeleteDC frees it.
struct MemoryDc {
    static HDC None() { return nullptr; }
    static bool IsValid(HDC dc) { return dc != nullptr; }
    static void Close(HDC dc) { ::DeleteDC(dc); }
};
using AutoDeleteDC = Scoped<HDC, MemoryDc>;

// An object selected into a DC; the object it replaced goes back in.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A palette selected into a DC and realized there (as the foreground palette
// unless background); the palette it replaced goes back in. A null palette
// changes nothing.
class ScopedSelectPalette {
public:
    ScopedSelectPalette(HDC dc, HPALETTE palette, bool background = false)
        : dc_(dc),
          previous_(dc && palette ? ::SelectPalette(dc, palette, background) : nullptr),
          changed_(previous_ ? ::RealizePalette(dc) : 0) {}
    ~ScopedSelectPalette() {
        if (previous_) ::SelectPalette(dc_, previous_, TRUE);
    }
    ScopedSelectPalette(const ScopedSelectPalette&) = delete;
    ScopedSelectPalette& operator=(const ScopedSelectPalette&) = delete;
    bool Selected() const { return previous_ != nullptr; }
    // Entries of the system palette the realization changed (GDI_ERROR: failed).
    UINT Changed() const { return changed_; }

private:
    HDC dc_;
    HPALETTE previous_;
    UINT changed_;
};

// The DC of a window (null: the screen) from GetDC; ReleaseDC gives it back.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~ScopedGetDC() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// One WM_PAINT: BeginPaint, and EndPaint at the end of the scope, which
// validates the window even when nothing could be drawn.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) : window_(window), dc_(::BeginPaint(window, &ps_)) {}
    ~ScopedPaint() { ::EndPaint(window_, &ps_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    HDC Dc() const { return dc_; }
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// The DC's state (clipping above all) saved with SaveDC; RestoreDC returns to
// it, dropping every state saved after it.
class ScopedSaveDC {
public:
    explicit ScopedSaveDC(HDC dc) : dc_(dc), level_(::SaveDC(dc)) {}
    ~ScopedSaveDC() {
        if (level_) ::RestoreDC(dc_, level_);
    }
    ScopedSaveDC(const ScopedSaveDC&) = delete;
    ScopedSaveDC& operator=(const ScopedSaveDC&) = delete;

private:
    HDC dc_;
    int level_;
};

}  // namespace win32
