// A control of a form: a text label, an image, a picture box (a container
// that keeps its drawing), a list box, a command button or a timer.
//
// Labels, images, picture boxes and timers are windowless: the form's window
// paints them and hit-tests them for mouse events. List boxes and command
// buttons are real child windows.
//
// Lifetime: a Control object lives until the process ends. Removing it (or
// unloading its form) detaches it: IsAlive() turns false, it leaves every
// list, receives no events, and its setters do nothing. So a stale Control*
// (say Rs.HoverImage) is harmless, but code must fetch controls afresh after a
// form has been loaded again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sys/Types.h"
#include "platform/ui/Basics.h"
#include "platform/ui/Text.h"

namespace ui {

class Control {
public:
    const std::wstring& Name() const { return name_; }  // as created
    Kind GetKind() const { return kind_; }
    bool IsAlive() const { return alive_; }
    Form* Owner() const { return form_; }
    Control* Container() const { return container_; }  // null: the form itself

    // Geometry, pixels in the container's coordinates. In a right-to-left
    // form Left counts from the container's right edge to the control's.
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetLeft(float v);
    void SetTop(float v);
    void SetWidth(float v);  // an auto-sized word-wrapping label re-wraps and sets its height
    void SetHeight(float v);
    void Move(float left, float top);
    void Move(float left, float top, float width, float height);
    // Bounds in the form's client coordinates (rounded), mirrored in a
    // right-to-left form: the one place where client rectangles are made.
    Rect FormRect() const;
    // A point in this control's inner coordinates (for a picture box: relative
    // to its inner area; otherwise to its own top-left; x counted from the
    // right in a right-to-left form) to screen pixels.
    void ClientToScreen(float x, float y, int32_t* screenX, int32_t* screenY) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);  // a disabled control takes no events; a disabled label draws grey
    // 0: to the front of its container's z-order, 1: to the back.
    void ZOrder(int position);

    // kPointerDefault takes the form's pointer; kPointerCustom shows the
    // form's cursor resource.
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer);

    // Label and command button caption. A single '&' marks a mnemonic in
    // labels (drawn underlined, not measured), "&&" is a literal '&'.
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& text);

    // Font of labels, picture boxes (Print), list boxes and buttons.
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& f);
    void SetFontName(const std::wstring& name);
    void SetFontSize(float points);
    void SetFontCharset(int16_t charset);
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color c);
    void SetBackColor(Color c);

    // Label. AutoSize without WordWrap: width and height follow the text
    // (widest line; one line per explicit line break; an empty caption keeps
    // the width). AutoSize with WordWrap: the width stays, the height follows
    // the text wrapped at that width. Without AutoSize the text is drawn
    // wrapped at the width and clipped.
    void SetAlignment(int a);  // kAlignLeft, kAlignRight, kAlignCenter
    // Label: read right to left, kAlignLeft against the right edge; list box:
    // entries against the right edge, read right to left, scroll bar on the
    // left (taken at its creation). New controls take their form's.
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    // Where the word wrap may break lines (the script of the texts).
    text::Breaks LineBreaks() const { return breaks_; }
    void SetLineBreaks(text::Breaks breaks);
    // 0 transparent (default), 1 opaque in BackColor.
    int BackStyle() const { return backStyle_; }
    void SetBackStyle(int v);
    // The lines the label draws (after wrapping; kept until the caption, the
    // font, the width or the wrapping changes).
    const std::vector<std::wstring>& Lines() const;
    // Where each of them is drawn (form client pixels): its measured width
    // against the label's left or right edge, or centred (TextAlignment).
    // The paint, the focus mark and the accessible places take them from here.
    std::vector<Rect> LineRects() const;
    // The edge the lines hold to: kAlignLeft, kAlignRight or kAlignCenter.
    int TextAlignment() const;
    // The caption's size as drawn: its widest line by its lines' height.
    void TextExtent(float* width, float* height) const;

    // Image and picture box: a bitmap resource of the program (0 = none).
    // An image without Stretch takes the bitmap's size on every SetPicture;
    // with Stretch the bitmap is stretched to the image's size. An image with
    // no picture draws nothing but still takes mouse events.
    int Picture() const { return picture_; }
    bool SetPicture(int bitmapResourceId);  // false (and unchanged) when the bitmap does not exist
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);

    // Picture box: a container; drawing is kept and replayed on repaint.
    // BorderStyle 0 none (default), 1 a 1-pixel frame in ForeColor.
    void SetBorderStyle(int v);
    float ScaleWidth() const;  // inner width (Width minus the frame)
    float ScaleHeight() const;
    void Cls();  // clears the drawing, CurrentX = CurrentY = 0
    // The box form of Line: (x1,y1)-(x2,y2), both corners inclusive.
    void LineBox(float x1, float y1, float x2, float y2, Color color, bool filled = true);
    void SetCurrentX(float v) { currentX_ = v; }
    void SetCurrentY(float v) { currentY_ = v; }
    // Prints text at CurrentX/CurrentY in the control's font and ForeColor;
    // then CurrentX = 0 and CurrentY moves down by the text's height.
    void Print(const std::wstring& text);
    float TextHeight(const std::wstring& text) const;
    const std::vector<DrawOp>& DrawOps() const { return ops_; }
    // Children of a picture box, back to front.
    const std::vector<Control*>& Children() const { return children_; }

    // List box.
    void AddItem(const std::wstring& text);
    int ListCount() const { return static_cast<int>(items_.size()); }
    int ListIndex() const { return listIndex_; }  // -1 none
    std::wstring Text() const;                    // the selected entry, "" when none

    // Command button. Default: Enter presses it; Cancel: Esc presses it
    // (whichever control of the form has the focus, even when the button sits
    // off-screen). One default and one cancel button per form.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v);
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int v);
    // A windowless control (label, image) that takes the keyboard focus: a
    // stop of Tab, and its OnKeyDown gets the keys. Windowed ones always are.
    bool TabStop() const { return IsWindowed() || tabStop_; }
    void SetTabStop(bool v);
    void SetFocus();  // command button, list box, windowless tab stop
    // Where the form marks this control's focus: on `shown` (an off-screen
    // proxy marks the picture it stands for); null: a windowless control on
    // itself, a windowed one not at all (its window marks it).
    Control* FocusShownOn() const { return focusShownOn_; }
    void SetFocusShownOn(Control* shown);

    // What a screen reader is told of the control (Form::AccessibleItems):
    // its role; the label whose caption names it (a picture button's
    // caption, the list's prompt); the picture drawn as its face (an option's
    // image beside its text), which counts as part of it; whether it is
    // checked; a value (a progress bar's percentage).
    Role GetRole() const { return role_; }
    void SetRole(Role role);
    void SetNamedBy(Control* label);
    void SetFace(Control* face);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    void SetAccessibleValue(const std::wstring& value);

    // Timer: Interval in ms (0 stops it), Enabled starts/stops (SetEnabled).
    uint32_t Interval() const { return interval_; }
    void SetInterval(uint32_t ms);

    // Events.
    Handler OnClick;  // image, label, picture box, button; list box: the user picked an entry
    Handler OnTimer;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseMove;
    KeyHandler OnKeyDown;  // windowless, with the focus: keys but Enter, Esc and Tab

    // ---- for the backend and the toolkit (not for form code) ----
    Control(Form* form, Kind kind, const std::wstring& name, Control* container);
    sys::Handle ChildWindow() const { return childWindow_; }  // list box, button
    // Unique in the process: WM_COMMAND id, timer id, accessible child id.
    int ChildId() const { return childId_; }
    bool IsWindowed() const { return kind_ == Kind::ListBox || kind_ == Kind::CommandButton; }
    // Shown on screen: alive, visible, and every container visible.
    bool EffectivelyVisible() const;
    bool EffectivelyEnabled() const;
    // A click or the keyboard can reach it: enabled and shown.
    bool Usable() const { return EffectivelyEnabled() && EffectivelyVisible(); }
    const std::vector<std::wstring>& Items() const { return items_; }
    // Static "nothing" control: where a lookup or a design found no control.
    static Control& Inert();

private:
    friend class Form;
    template <class F>
    void Mutate(F&& change);  // invalidate before and after, AutoSize, re-place windows
    void Resize();            // AutoSize arithmetic
    void SyncWindows();       // this and windowed descendants
    void SyncTimer();
    void Detach();
    void Press();                    // a click, if enabled and shown
    void SelectFromUser(int index);  // the user picked an entry
    void Fire(const Handler& h);     // a copy runs: the handler may replace itself
    void FireMouse(const MouseHandler& h, const MouseArgs& a);
    float PlacedLeft() const;    // Left as drawn: from the container's left edge
    void Rewrap();               // the lines are to be wrapped again
    float InnerOriginX() const;  // form client coordinates of this control's inner left edge
    float InnerOriginY() const;
    float BorderWidth() const;

    Form* form_ = nullptr;
    Kind kind_ = Kind::None;
    std::wstring name_;
    Control* container_ = nullptr;
    bool alive_ = true;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int mousePointer_ = 0;
    std::wstring caption_;
    Font font_;
    Color foreColor_ = kBlack;
    Color backColor_ = kWhite;
    int alignment_ = kAlignLeft;
    bool rightToLeft_ = false;
    mutable bool wrapped_ = false;  // lines_ and lineWidths_ hold the caption's lines
    mutable std::vector<std::wstring> lines_;
    mutable std::vector<float> lineWidths_;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    text::Breaks breaks_ = text::Breaks::AtBlanks;
    int backStyle_ = 0;
    int picture_ = 0;
    bool stretch_ = false;
    int borderStyle_ = 0;
    float currentX_ = 0, currentY_ = 0;
    std::vector<DrawOp> ops_;
    std::vector<Control*> children_;
    std::vector<std::wstring> items_;
    int listIndex_ = -1;
    bool default_ = false;
    bool cancel_ = false;
    int tabIndex_ = 0;
    bool tabStop_ = false;
    Control* focusShownOn_ = nullptr;
    Role role_ = Role::None;
    Control* namedBy_ = nullptr;
    Control* face_ = nullptr;
    Control* partOf_ = nullptr;  // the item whose label or face this is
    bool checked_ = false;
    std::wstring accessibleValue_;
    uint32_t interval_ = 0;
    sys::Handle childWindow_ = 0;
    int childId_ = 0;
};

}  // namespace ui
