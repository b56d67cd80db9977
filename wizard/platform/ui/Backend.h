// The platform side of the window toolkit: what the model of Ui.h asks of
// the window system. Implemented by the Win32 adapter (platform/win32/UiWin32)
// and by the host fake (tests/host/fakes/FakeUi). Exactly one definition of
// GetBackend() is linked in.
#pragma once

#include "platform/ui/Ui.h"

namespace ui {

// Drawing surface of one paint of a form's client area (form client pixels).
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillRect(const Rect& r, Color c) = 0;
    virtual void FrameRect(const Rect& r, Color c) = 0;
    // A bitmap resource of the program, stretched to dest or drawn at its own
    // size at dest's top-left corner (clipped to dest).
    virtual void DrawPicture(int bitmapId, const Rect& dest, bool stretch) = 0;
    // One line of text, transparent background, in box (its measured size):
    // from the box's left edge, or read right to left and held to the box's
    // right edge or centre (align kAlignRight, kAlignCenter), where a system
    // that shapes it (Arabic) may draw it narrower than measured.
    // mnemonic: '&' marks the next character (underlined), "&&" is '&'.
    virtual void DrawText(const Font& font, Color color, const Rect& box, const std::wstring& line, bool mnemonic,
                          bool rightToLeft, int align) = 0;
    // Clipping: intersect with r until the matching PopClip.
    virtual void PushClip(const Rect& r) = 0;
    virtual void PopClip() = 0;
    // The keyboard focus mark (a dotted rectangle), where the window system
    // shows it: it may hide it until the keyboard is used.
    virtual void FocusMark(const Rect& r) = 0;
    // A button as the window system draws its own (High Contrast): a push
    // button's face, or a radio button's circle, checked or not.
    enum class Button { Push, Radio };
    virtual void SystemButton(const Rect& r, Button kind, bool checked, bool disabled) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Measuring, in pixels. TextWidth takes a single line.
    virtual float TextWidth(const Font& font, const std::wstring& line) = 0;
    virtual float LineHeight(const Font& font) = 0;
    virtual bool PictureSize(int bitmapId, int* width, int* height) = 0;
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;

    // Form windows (created hidden).
    virtual sys::Handle CreateForm(Form& form) = 0;
    virtual void DestroyForm(Form& form, sys::Handle window) = 0;
    // Caption, frame, position, client size, enabled, window state.
    virtual void SyncForm(Form& form) = 0;
    virtual void ShowForm(Form& form, bool show) = 0;  // show also activates
    // Window-level enabling while another form is modal (the form's own
    // Enabled property is not changed).
    virtual void BlockForm(Form& form, bool blocked) = 0;
    virtual void Invalidate(Form& form, const Rect& r) = 0;
    virtual void Update(Form& form) = 0;
    // The form's pointer changed: show it now if the cursor is over the form.
    virtual void PointerChanged(Form& form) = 0;

    // Windowed controls (list box, command button).
    virtual sys::Handle CreateChild(Form& form, Control& control) = 0;
    // Bounds (form client pixels, Control::FormRect), visibility, enabled,
    // caption, font, default style, list entries and selection.
    virtual void SyncChild(Form& form, Control& control) = 0;
    virtual void DestroyChild(Control& control) = 0;
    virtual void FocusChild(Form& form, Control* control) = 0;  // null: the form's window

    // What changed for screen readers and magnifiers (Form::AccessibleItems):
    // `item` has the focus, came, went, was renamed...
    virtual void Announce(Form& form, Control& item, AccessEvent what) = 0;

    // Timers of the form's window: ms 0 stops it.
    virtual void SetTimer(Form& form, int timerId, uint32_t ms) = 0;

    // Waits for one message and dispatches it. False when no more will come
    // (WM_QUIT, which is posted again; on the host: nothing scripted).
    virtual bool WaitAndDispatch() = 0;
};

Backend& GetBackend();

}  // namespace ui
