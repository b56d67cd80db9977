// A top-level window holding named controls. Create one object per form for
// the life of the program (a function-local static). The form is not loaded
// until first use: Load(), Show(), ShowModal(), Item() and the setters marked
// "loads" load it. Loading creates the (hidden) window, runs OnDesign (which
// creates the design-time controls and sets the form's design properties)
// and then OnLoad. Unloading destroys the window and every control; the next
// use loads afresh.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/sys/Types.h"
#include "platform/ui/Basics.h"
#include "platform/ui/Control.h"

namespace ui {

class Canvas;

class Form {
public:
    explicit Form(const std::wstring& name);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::wstring& Name() const { return name_; }
    bool IsLoaded() const { return loaded_; }

    // Events (kept across unloads).
    std::function<void(Form&)> OnDesign;  // design-time controls and properties
    Handler OnLoad;                       // Form_Load
    // Form_QueryUnload: set cancel to keep the form. mode: kUnload...
    std::function<void(bool& cancel, int mode)> OnQueryUnload;
    std::function<void(bool& cancel)> OnUnload;  // Form_Unload
    // The session is to end (WM_QUERYENDSESSION): set cancel to refuse.
    // Nothing may end here; the end itself comes as DispatchClose with
    // kUnloadAppWindows. Without a handler the form agrees.
    std::function<void(bool& cancel)> OnQueryEndSession;

    void Load();
    void Show();       // non-modal; loads; activates the window
    void ShowModal();  // loads, shows, runs its own message loop until the form is unloaded
    // The program's own unload: QueryUnload(kUnloadFormCode), Unload, then
    // the window and controls are destroyed. False if a handler cancelled.
    bool Unload();
    bool IsModal() const { return modalDepth_ > 0; }

    // Window properties. Setters load the form.
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& text);
    // 0: no frame (popup), 1: fixed frame with caption and close box.
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int v);
    float Left() const { return left_; }  // window position, screen pixels
    float Top() const { return top_; }
    void Move(float left, float top);
    void SetClientSize(float width, float height);
    float ScaleWidth() const { return clientWidth_; }  // client area
    float ScaleHeight() const { return clientHeight_; }
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    int WindowState() const { return windowState_; }
    void SetWindowState(int state);  // kStateNormal, kStateMinimized
    int MousePointer() const { return mousePointer_; }
    // kPointerHourglass shows over the whole form, its controls included,
    // and takes effect at once (even before a long blocking call).
    void SetMousePointer(int pointer);
    int MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(int cursorResourceId);
    // Right to left: the layout mirrored (Control::Left counts from the
    // right, mouse coordinates likewise, pictures keep their orientation),
    // Left and Right keys traded; controls added from then on read right to
    // left. Set by the design, before its controls.
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool v);
    sys::Handle Handle();  // the window (loads)
    sys::Handle HandleIfLoaded() const { return window_; }
    // The form whose window owns this one's, where it is loaded as this one
    // loads: an owned window stays above its owner, follows it in and out of
    // the topmost band and has no Alt+Tab entry of its own, which leads to
    // it. Unloading the owner destroys it, as Windows does.
    void SetOwner(Form* owner) { owner_ = owner; }
    // The owner's window as this one was made (0: none).
    sys::Handle OwnerWindow() const { return ownedBy_ ? ownedBy_->window_ : 0; }
    // Repaints the whole window now (UpdateWindow).
    void Refresh();
    // Form client pixels to screen pixels.
    void ClientToScreen(float x, float y, int32_t* screenX, int32_t* screenY) const;

    // The form's font and its text measurement (widest line of a multi-line
    // text; lines end at CR LF, LF or CR; the literal text, '&' included).
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& f) { font_ = f; }
    void SetFontSize(float points) { font_.size = points; }
    float TextWidth(const std::wstring& text) const;

    // Controls by name (without regard to case).
    // Add fails (null) when the name is in use, the form cannot be loaded, or
    // the container is not a live picture box of this form. New controls are
    // visible and enabled, at 0,0, size 0 (labels: default font, black on
    // transparent; timers: disabled, interval 0).
    Control* Add(Kind kind, const std::wstring& name, Control* container = nullptr);
    // Removes the control (and a picture box's children). False when missing.
    bool Remove(const std::wstring& name);
    Control* Find(const std::wstring& name) const;  // null when missing; does not load
    // Loads the form and returns the control, or Control::Inert() when missing
    // (after calling the missing-control hook). For "is it there?" use Find.
    Control& Item(const std::wstring& name);
    // All controls, in creation order.
    std::vector<Control*> Controls() const;
    // Top-level children (container = form), back to front.
    const std::vector<Control*>& Children() const { return children_; }

    // ---- for the backend (and the host fake) ----
    enum class MouseEvent { Down, Up, Move };
    // x, y in form client pixels.
    void DispatchMouse(MouseEvent ev, int button, int shift, int x, int y);
    // The window lost the mouse between a press and its release: no release
    // will come, so the pressed control lets go.
    void DispatchCaptureLost();
    // A key pressed while this form (or one of its children) has the focus.
    // Enter and Esc press the default and cancel buttons, whichever control
    // has the focus; Tab (shift: kShiftMask) moves the focus; other keys go
    // to a windowless control with the focus. Returns true when the toolkit
    // used the key.
    bool DispatchKey(int key, int shift = 0);
    void DispatchTimer(int timerId);
    void DispatchCommand(int childId);              // button clicked
    void DispatchListSelect(int childId, int idx);  // list box selection changed
    // The window is asked to close (mode kUnloadControlMenu, ...AppWindows,
    // ...TaskManager). Returns false when the form stayed (cancelled).
    bool DispatchClose(int mode);
    // Whether the form lets the session end (OnQueryEndSession).
    bool DispatchQueryEndSession();
    // A child got the focus; 0: the form's window, which keeps a windowless
    // control's focus.
    void DispatchFocus(int childId);
    void DispatchMoved(int left, int top);
    void DispatchMinimized(bool minimized);
    Control* DefaultButton() const;  // the one Enter presses, or null
    Control* CancelButton() const;   // the one Esc presses, or null
    Control* ByChildId(int id) const;
    // The topmost visible windowless control under a point of the client area
    // (descending into picture boxes), or null.
    Control* HitTest(float x, float y) const;
    // The pointer to show at a client point.
    void CursorAt(int x, int y, int* pointer, int* cursorResourceId) const;

    // ---- the keyboard focus (Focus.cpp) ----
    Control* Focused() const { return focused_; }
    // The tab stops that can take the focus now, by TabIndex (creation order
    // among equals).
    std::vector<Control*> TabOrder() const;
    // Tab and Shift+Tab: the next or previous of TabOrder, round the ends.
    void MoveFocus(bool back);
    // Where the focus is marked (client pixels), or false: no mark.
    bool FocusMarkRect(Rect* r) const;
    bool MarksFocusOn(const Control* c) const;
    // The mark is to be drawn again (the focus came or went, the window
    // system shows or hides such marks from now on).
    void InvalidateFocusMark();

    // Paints the client area; with High Contrast on (sys::HighContrastOn)
    // in the user's colours, without the decorative pictures, the option
    // faces and picture buttons drawn as the system draws its own.
    void Paint(Canvas& canvas) const;

    // ---- what a screen reader is told (Access.cpp) ----
    // Client for a window of pages, Dialog or Alert (a stopping message); a
    // property of the design, Client again at each load.
    Role GetRole() const { return role_; }
    void SetRole(Role role) { role_ = role; }
    // Every visible control with a role as one item, in reading order (from
    // the top, each line from the left).
    std::vector<AccessibleItem> AccessibleItems() const;
    // The item of a live control of this form with a role, a hidden one too
    // (kAccInvisible); false for any other.
    bool AccessibleItemOf(const Control* c, AccessibleItem* item) const;
    // The control whose item `c` is drawn as or part of (itself, the radio
    // button of a face, the push button of a caption), or null.
    const Control* AccessibleOwner(const Control* c) const;
    // The item with the focus (a proxy's picture button), or null.
    Control* AccessibleFocus() const;
    // The item's default action, exactly what a click does; false where it
    // has none or cannot now (hidden, disabled).
    bool DoAccessibleAction(int id);
    // The focus to the item (to the proxy of a picture button); false where
    // it cannot take it.
    bool FocusAccessible(int id);

    // Destroys every loaded form without raising events (tests, program end).
    static void ResetAll();
    // Frees the controls that Remove and Unload keep alive for stale
    // pointers. Only where nothing can hold one any more (between test worlds).
    static void FreeRemovedControls();

private:
    friend class Control;
    bool UnloadWith(int mode);
    void Unblock();
    void DestroyAll();
    void ResetProperties();
    void Invalidate(const Rect& r);
    void InvalidateAll();
    void PaintChildren(Canvas& canvas, const std::vector<Control*>& list, bool highContrast) const;
    Color LabelColor(const Control& c, bool highContrast) const;
    void PaintSystemButton(Canvas& canvas, const Control& image, const Rect& r) const;
    Control* HitIn(const std::vector<Control*>& list, float x, float y) const;
    void RemoveTree(Control* c);
    // The one way the focus changes (Focus.cpp).
    void SetFocused(Control* c);
    // Repaints the focus mark where it is and, at the end of its scope, where
    // it went: around a change of the focus or of the marked control.
    class FocusMarkMove {
    public:
        explicit FocusMarkMove(Form* form);
        ~FocusMarkMove();
        FocusMarkMove(const FocusMarkMove&) = delete;
        FocusMarkMove& operator=(const FocusMarkMove&) = delete;

    private:
        Form* form_;
    };
    // Tells the backend what a change did to the items `c` is part of or
    // shows the focus of (Control::Mutate): shown or hidden, renamed, a new
    // state or value, the focused item moved.
    class AccessWatch {
    public:
        AccessWatch(Form* form, const Control* c);
        ~AccessWatch();
        AccessWatch(const AccessWatch&) = delete;
        AccessWatch& operator=(const AccessWatch&) = delete;

    private:
        Form* form_;
        AccessibleItem before_[2];
        int count_ = 0;
    };
    void Announce(const Control* c, AccessEvent what);

    std::wstring name_;
    bool loaded_ = false;
    bool unloading_ = false;
    int modalDepth_ = 0;
    int blockCount_ = 0;               // modal forms above this one
    std::vector<Form*> modalBlocked_;  // forms this modal form blocked
    std::wstring caption_;
    int borderStyle_ = 0;
    float left_ = 0, top_ = 0;
    float clientWidth_ = 0, clientHeight_ = 0;
    Color backColor_ = Rgb(192, 192, 192);
    bool enabled_ = true;
    int windowState_ = kStateNormal;
    int mousePointer_ = 0;
    int mouseIcon_ = 0;
    Font font_;
    bool rightToLeft_ = false;
    sys::Handle window_ = 0;
    Form* owner_ = nullptr;
    Form* ownedBy_ = nullptr;  // the owner as the window was made
    Role role_ = Role::Client;
    std::vector<std::unique_ptr<Control>> owned_;  // creation order
    std::vector<Control*> children_;               // container = form, back to front
    Control* focused_ = nullptr;
    Control* captured_ = nullptr;  // control that took the mouse down
    int capturedButton_ = 0;
};

// Called by Form::Item when the form has no control of that name: such a
// lookup is a slip of the program, which the inert control would otherwise
// hide. The host tests fail on it; a debug build of the wizard logs it.
using MissingControlHook = void (*)(const Form& form, const std::wstring& name);
void SetMissingControlHook(MissingControlHook hook);
MissingControlHook GetMissingControlHook();

// Screen size in pixels.
int ScreenWidth();
int ScreenHeight();

}  // namespace ui
