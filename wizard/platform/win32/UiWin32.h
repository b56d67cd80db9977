// What the three parts of the toolkit's Win32 side share: UiWin32Paint
// (fonts, bitmaps, painting), UiWin32Input (the window procedures) and
// UiWin32 (the backend: windows, children, timers, the message loop).
// Internal to platform/win32.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Backend.h"
#include "platform/win32/Dib.h"
#include "platform/win32/SmallMap.h"
#include "platform/win32/Win32.h"

namespace ui {
namespace win32ui {

constexpr char kFormClass[] = "WizardForm";

inline HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
inline HWND H(sys::Handle h) { return reinterpret_cast<HWND>(h); }
inline sys::Handle S(HWND h) { return reinterpret_cast<sys::Handle>(h); }

// Window styles of a form's border style.
DWORD StyleOf(int borderStyle);
// The form (or control) a window of ours stands for: GWLP_USERDATA.
inline Form* FormOf(HWND hwnd) { return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }
inline Control* ControlOf(HWND hwnd) { return reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

// What a form window remembers beyond the model.
struct WindowState {
    bool blocked = false;  // by a modal form
    bool focusCuesHidden = false;
    std::string caption;
    DWORD style = 0;
};
SmallMap<HWND, WindowState>& Windows();

// What a child window remembers: its own window procedure, which ours calls
// on, and what was last sent to it.
struct ChildState {
    WNDPROC oldProc = nullptr;
    std::vector<std::wstring> items;
    std::string caption;
    HFONT font = nullptr;
    bool isDefault = false;
};
SmallMap<HWND, ChildState>& Children();

// UiWin32Paint: fonts and bitmaps by their attributes and ids, created once
// and kept for the life of the process; the measuring DC; a WM_PAINT.
HFONT FontFor(const Font& f);
HBITMAP BitmapFor(int id);
// The program's palette (its RCDATA resource "PALETTE": RGB triples) on a
// display with a palette; null elsewhere. Realized in a form's window DC for
// WM_QUERYNEWPALETTE (foreground) and WM_PALETTECHANGED (background); the
// window is repainted when the system palette changed. False: no palette.
HPALETTE DisplayPalette();
// The COLORREF that a colour of the toolkit is drawn in on DC dc: on a display
// with the program's palette, or with 16 colours or fewer and none.
COLORREF GdiColour(HDC dc, Color c, bool palette, bool fewColours);
// A bitmap resource as a DIB (kept for the life of the process), or null.
const ::win32::Dib* DibFor(int id);
bool RealizeFormPalette(HWND hwnd, bool background);
HDC MeasureDc();
void PaintForm(HWND hwnd, Form& form);
// The last paint's back buffer (0 x 0: painted straight into the window).
struct PaintStats {
    int width = 0, height = 0;
};
PaintStats& LastPaint();
// Faults a test brings about; the program never sets them.
struct TestHooks {
    bool denyPaintBuffer = false;  // the paints go without a buffer, as when memory is short
};
TestHooks& Hooks();

// UiWin32Input: the keyboard cues. Windows 2000 and later hide focus marks
// in a window until the keyboard is used in it (the UI state of
// WM_CHANGEUISTATE), unless the user chose to see them always; earlier
// systems know no such state and always show them.
void HideFocusCues(HWND form);
// The keyboard focus is in the form's window (or a child) and marks show.
bool FocusMarkShown(HWND form);

// UiWin32Access: Active Accessibility. The answer to WM_GETOBJECT of a form
// window (control null), a keyboard proxy or a list box (0: none, the
// caller passes the message on); a default action that a client asked for,
// run from the message loop (true when `msg` was that); the events of the
// model's changes; the form window took or lost the keyboard; a dialog
// shown or gone.
LRESULT AnswerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, Control* control);
bool DoDefaultAction(Form& form, UINT msg, WPARAM wParam);
void Announce(Form& form, Control& item, AccessEvent what);
void FocusCameToWindow(HWND top, Form& form);
void FocusLeftWindow(HWND top, HWND to);
void AnnounceWindow(HWND top, Form& form, bool shown);

// UiWin32Input: the cursor of a pointer; the form under the cursor; the
// window procedures.
HCURSOR CursorFor(int pointer, int resourceId);
void SetCursorAt(HWND hwnd, Form& form);
void RegisterFormClass();
LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace win32ui
}  // namespace ui
