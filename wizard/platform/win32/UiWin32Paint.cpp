// GDI side of the window toolkit: fonts at the screen's resolution, the
// program's bitmaps, and the paint of a form into a memory bitmap of the
// area to paint that is copied to the window in one piece (no flicker of the
// layers).
//
// On a display with a palette (256 colours and fewer, RC_PALETTE) the forms
// realize the program's own palette, and pictures are drawn from their DIBs
// through it; without that, Windows shows them in its 20 reserved colours.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "platform/ui/Text.h"
#include "platform/win32/Dib.h"
#include "platform/win32/ScopedGdi.h"
#include "platform/win32/UiWin32.h"

namespace ui {
namespace win32ui {

namespace {

int Dpi() {
    static int dpi = 0;
    if (!dpi) {
        ::win32::ScopedGetDC screen(nullptr);
        dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
        if (dpi <= 0) dpi = 96;
    }
    return dpi;
}

// 16 colours or fewer and no palette to realize (VGA, as Windows 95 shows
// before its display driver is installed).
bool FewColours() {
    static int few = -1;
    if (few < 0) {
        ::win32::ScopedGetDC screen(nullptr);
        HDC dc = screen.Get();
        few = dc && !(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) &&
              GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) <= 4;
    }
    return few != 0;
}

COLORREF Colour(HDC dc, Color c) { return GdiColour(dc, c, DisplayPalette() != nullptr, FewColours()); }
static_assert(kSysWindow == SystemColor(COLOR_WINDOW) && kSysWindowText == SystemColor(COLOR_WINDOWTEXT) &&
                  kSysHighlight == SystemColor(COLOR_HIGHLIGHT) &&
                  kSysHighlightText == SystemColor(COLOR_HIGHLIGHTTEXT) &&
                  kSysGrayText == SystemColor(COLOR_GRAYTEXT) && kSysButtonText == SystemColor(COLOR_BTNTEXT),
              "system colours are COLOR_ indices");

}  // namespace

COLORREF GdiColour(HDC dc, Color c, bool palette, bool fewColours) {
    // A system colour (High Contrast) is the user's, drawn as it is: the
    // schemes' colours are among the static colours every palette holds,
    // and the nearest entry of the pictures' palette would not be them.
    if (IsSystemColor(c)) return GetSysColor(static_cast<int>(c & 0xFF));
    // On a palette display the nearest entry of the program's palette
    // (PALETTERGB), where a plain RGB brush would be dithered from the
    // reserved colours; on 16 colours the nearest one, flat as the pictures.
    if (palette) return c | 0x02000000u;
    return fewColours ? GetNearestColor(dc, c) : c;
}

namespace {

// GDI on Windows 95, 98 and ME keeps coordinates in 16 bits: a corner past
// 32767 wraps round to a negative one.
int Clamp16(int v) { return std::max(-32767, std::min(32767, v)); }
RECT Gdi(const Rect& r) { return RECT{Clamp16(r.left), Clamp16(r.top), Clamp16(r.right), Clamp16(r.bottom)}; }

class GdiCanvas : public Canvas {
public:
    // The DC's state as it came is restored at the end, whatever clips are
    // still pushed.
    GdiCanvas(HDC dc, bool focusShown)
        : dc_(dc), saved_(dc), bitmapDc_(CreateCompatibleDC(dc)), focusShown_(focusShown) {
        SetBkMode(dc_, TRANSPARENT);
    }

    void FillRect(const Rect& r, Color c) override {
        RECT rc = Gdi(r);
        ::win32::AutoDeleteBrush brush(CreateSolidBrush(Colour(dc_, c)));
        if (brush.IsValid()) ::FillRect(dc_, &rc, brush.Get());
    }
    void FrameRect(const Rect& r, Color c) override {
        RECT rc = Gdi(r);
        ::win32::AutoDeleteBrush brush(CreateSolidBrush(Colour(dc_, c)));
        if (brush.IsValid()) ::FrameRect(dc_, &rc, brush.Get());
    }
    void DrawPicture(int id, const Rect& dest, bool stretch) override {
        if (DisplayPalette()) {
            DrawDib(id, dest, stretch);
            return;
        }
        HBITMAP bmp = BitmapFor(id);
        BITMAP info{};
        if (!bmp || !bitmapDc_.IsValid() || !GetObjectA(bmp, sizeof(info), &info)) return;
        ::win32::ScopedSelectObject selected(bitmapDc_.Get(), bmp);
        if (stretch) {
            SetStretchBltMode(dc_, COLORONCOLOR);
            StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), bitmapDc_.Get(), 0, 0, info.bmWidth,
                       info.bmHeight, SRCCOPY);
        } else {
            BitBlt(dc_, dest.left, dest.top, std::min<int>(dest.Width(), info.bmWidth),
                   std::min<int>(dest.Height(), info.bmHeight), bitmapDc_.Get(), 0, 0, SRCCOPY);
        }
    }
    void DrawText(const Font& font, Color color, const Rect& box, const std::wstring& line, bool mnemonic,
                  bool rightToLeft, int align) override {
        std::string text = sys::ToAnsi(line);
        ::win32::ScopedSelectObject selected(dc_, FontFor(font));
        SetTextColor(dc_, Colour(dc_, color));
        RECT rc = Gdi(box);
        if (rightToLeft) {
            // Ordered as a Hebrew or Arabic Windows reads (a sentence's "?"
            // at its left end), held to the box's right edge or centre.
            // TextOut places the text as drawn; Wine's DrawText places it by
            // the width of the unshaped text, which is wider than shaped
            // Arabic (as is Wine's measure, so the box too). Right to left
            // the mnemonic goes without its underline.
            if (mnemonic) text = sys::ToAnsi(text::StripMnemonic(line));
            bool centred = align == kAlignCenter;
            UINT old = SetTextAlign(dc_, (centred ? TA_CENTER : TA_RIGHT) | TA_TOP | TA_RTLREADING);
            TextOutA(dc_, centred ? (rc.left + rc.right) / 2 : rc.right, rc.top, text.c_str(),
                     static_cast<int>(text.size()));
            SetTextAlign(dc_, old);
        } else if (mnemonic) {
            // DrawText underlines the mnemonic and shows "&&" as '&'. The
            // box only places the line (DT_NOCLIP): the clip is the label's.
            DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rc,
                      DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
        } else {
            TextOutA(dc_, rc.left, rc.top, text.c_str(), static_cast<int>(text.size()));
        }
    }
    void PushClip(const Rect& r) override {
        SaveDC(dc_);
        RECT rc = Gdi(r);
        IntersectClipRect(dc_, rc.left, rc.top, rc.right, rc.bottom);
    }
    void PopClip() override { RestoreDC(dc_, -1); }
    void FocusMark(const Rect& r) override {
        if (!focusShown_) return;
        // Its dotted pattern inverts what lies below; with a black and white
        // DC the pattern's two colours are exactly "keep" and "invert".
        SetTextColor(dc_, RGB(0, 0, 0));
        SetBkColor(dc_, RGB(255, 255, 255));
        RECT rc = Gdi(r);
        DrawFocusRect(dc_, &rc);
    }
    void SystemButton(const Rect& r, Button kind, bool checked, bool disabled) override {
        RECT rc = Gdi(r);
        UINT state = (kind == Button::Radio ? DFCS_BUTTONRADIO : DFCS_BUTTONPUSH) | (checked ? DFCS_CHECKED : 0) |
                     (disabled ? DFCS_INACTIVE : 0);
        DrawFrameControl(dc_, &rc, DFC_BUTTON, state);
    }

private:
    // StretchDIBits maps the DIB's colours through the palette selected in
    // the DC. The source rectangle of a bottom-up DIB counts from its last
    // row: the top rows of a picture drawn in part start at height - rows.
    void DrawDib(int id, const Rect& dest, bool stretch) {
        const ::win32::Dib* dib = DibFor(id);
        if (!dib) return;
        int w = dib->Width(), h = dib->Height();
        SetStretchBltMode(dc_, COLORONCOLOR);
        if (stretch) {
            StretchDIBits(dc_, dest.left, dest.top, dest.Width(), dest.Height(), 0, 0, w, h, dib->bits.data(),
                          dib->Info(), DIB_RGB_COLORS, SRCCOPY);
        } else {
            int cw = std::min<int>(dest.Width(), w), ch = std::min<int>(dest.Height(), h);
            if (cw > 0 && ch > 0)
                StretchDIBits(dc_, dest.left, dest.top, cw, ch, 0, h - ch, cw, ch, dib->bits.data(), dib->Info(),
                              DIB_RGB_COLORS, SRCCOPY);
        }
    }

    HDC dc_;
    ::win32::ScopedSaveDC saved_;
    ::win32::AutoDeleteDC bitmapDc_;  // where a bitmap is selected to be copied from
    bool focusShown_;
};

}  // namespace

HFONT FontFor(const Font& f) {
    static SmallMap<std::tuple<std::wstring, float, bool, bool, int16_t>, HFONT> cache;
    auto key = std::make_tuple(f.name, f.size, f.bold, f.italic, f.charset);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    int height = -RoundPixel(f.size * static_cast<float>(Dpi()) / 72.0f);
    if (height == 0) height = -1;
    std::string face = sys::ToAnsi(f.name);
    HFONT font = CreateFontA(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic ? TRUE : FALSE, FALSE, FALSE,
                             static_cast<BYTE>(f.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    cache[key] = font;
    return font;
}

HBITMAP BitmapFor(int id) {
    static SmallMap<int, HBITMAP> cache;
    auto it = cache.find(id);
    if (it != cache.end()) return it->second;
    HBITMAP b = LoadBitmapA(Instance(), MAKEINTRESOURCEA(id));
    cache[id] = b;  // a missing bitmap is remembered as missing
    return b;
}

const ::win32::Dib* DibFor(int id) {
    static SmallMap<int, ::win32::Dib*> cache;
    auto it = cache.find(id);
    if (it != cache.end()) return it->second;
    auto* dib = new ::win32::Dib;
    if (!::win32::LoadDib(Instance(), id, dib)) {
        delete dib;
        dib = nullptr;  // a missing picture is remembered as missing
    }
    cache[id] = dib;
    return dib;
}

HPALETTE DisplayPalette() {
    static HPALETTE palette = nullptr;
    static bool looked = false;
    if (looked) return palette;
    looked = true;
    {
        ::win32::ScopedGetDC screen(nullptr);
        if (!screen.Get() || !(GetDeviceCaps(screen.Get(), RASTERCAPS) & RC_PALETTE)) return nullptr;
    }
    size_t size = 0;
    const uint8_t* rgb = ::win32::ResourceBytes(Instance(), "PALETTE", MAKEINTRESOURCEA(10), &size);  // RT_RCDATA
    DWORD count = static_cast<DWORD>(size / 3);
    if (!rgb || count == 0 || count > 256) return nullptr;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(buffer.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(count);
    for (DWORD i = 0; i < count; ++i)
        logical->palPalEntry[i] = PALETTEENTRY{rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], 0};
    palette = CreatePalette(logical);
    return palette;
}

bool RealizeFormPalette(HWND hwnd, bool background) {
    HPALETTE palette = DisplayPalette();
    if (!palette) return false;
    ::win32::ScopedGetDC dc(hwnd);
    ::win32::ScopedSelectPalette selected(dc.Get(), palette, background);
    UINT changed = selected.Changed();
    if (changed && changed != GDI_ERROR) InvalidateRect(hwnd, nullptr, FALSE);
    return true;
}

HDC MeasureDc() {
    static HDC dc = nullptr;
    if (!dc) dc = CreateCompatibleDC(nullptr);
    return dc;
}

PaintStats& LastPaint() {
    static PaintStats stats;
    return stats;
}

TestHooks& Hooks() {
    static TestHooks hooks;
    return hooks;
}

// The back buffer covers only the area to paint: a hover repaints one
// button, not the screen. Where even that cannot be had (a bitmap of the
// screen's depth is scarce memory on a 16 MB Windows 95), the form is painted
// straight into the window, flickering but not left blank.
void PaintForm(HWND hwnd, Form& form) {
    ::win32::ScopedPaint paint(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    if (!paint.Dc() || client.right <= 0 || client.bottom <= 0) return;
    RECT area = paint.Area();
    if (!IntersectRect(&area, &area, &client)) return;
    int w = area.right - area.left, h = area.bottom - area.top;
    HPALETTE palette = DisplayPalette();
    ::win32::ScopedSelectPalette onScreen(paint.Dc(), palette);
    ::win32::AutoDeleteDC mem(CreateCompatibleDC(paint.Dc()));
    ::win32::AutoDeleteBitmap bmp(mem.IsValid() && !Hooks().denyPaintBuffer ? CreateCompatibleBitmap(paint.Dc(), w, h)
                                                                            : nullptr);
    LastPaint().width = bmp.IsValid() ? w : 0;
    LastPaint().height = bmp.IsValid() ? h : 0;
    if (!bmp.IsValid()) {
        GdiCanvas canvas(paint.Dc(), FocusMarkShown(hwnd));
        form.Paint(canvas);
        return;
    }
    ::win32::ScopedSelectObject selected(mem.Get(), bmp.Get());
    ::win32::ScopedSelectPalette inMemory(mem.Get(), palette);
    // The buffer's origin is the area's corner: the form paints in its
    // client coordinates.
    SetWindowOrgEx(mem.Get(), area.left, area.top, nullptr);
    IntersectClipRect(mem.Get(), area.left, area.top, area.right, area.bottom);
    {
        GdiCanvas canvas(mem.Get(), FocusMarkShown(hwnd));
        form.Paint(canvas);
    }
    BitBlt(paint.Dc(), area.left, area.top, w, h, mem.Get(), area.left, area.top, SRCCOPY);
}

}  // namespace win32ui
}  // namespace ui
