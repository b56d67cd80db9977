// Control properties: geometry, visibility, text, fonts, pictures, the
// drawing a picture box keeps, list entries, buttons and timers. Every change
// repaints the area before and after it and re-places the child windows.
#include "platform/ui/Control.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"
#include "platform/ui/Text.h"

namespace ui {

namespace {

// Ids of windowed controls and timers, unique in the process so that a stale
// WM_COMMAND or WM_TIMER never reaches a newer control.
int NextChildId() {
    static int next = 100;
    return ++next;
}

}  // namespace

Rect Union(const Rect& a, const Rect& b) {
    if (a.Width() <= 0 || a.Height() <= 0) return b;
    if (b.Width() <= 0 || b.Height() <= 0) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

int RoundPixel(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

bool operator==(const Font& a, const Font& b) {
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic && a.charset == b.charset;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (text::FoldChar(a[i]) != text::FoldChar(b[i])) return false;
    return true;
}

Control::Control(Form* form, Kind kind, const std::wstring& name, Control* container)
    : form_(form), kind_(kind), name_(name), container_(container) {
    if (form) rightToLeft_ = form->RightToLeft();
    if (kind == Kind::Timer) enabled_ = false;
    if (kind != Kind::None) childId_ = NextChildId();
    if (kind == Kind::Label) role_ = Role::Text;
    if (kind == Kind::ListBox) role_ = Role::List;
    if (kind == Kind::PictureBox) backColor_ = Rgb(192, 192, 192);
    if (kind == Kind::None) alive_ = false;
}

Control& Control::Inert() {
    static Control inert(nullptr, Kind::None, std::wstring(), nullptr);
    return inert;
}

// ---------------------------------------------------------------------------
// Geometry

float Control::BorderWidth() const { return (kind_ == Kind::PictureBox && borderStyle_ == 1) ? 1.0f : 0.0f; }

// The form mirrors what it lays out, the way WS_EX_LAYOUTRTL mirrors a
// window, but by its own arithmetic: that needs neither WS_EX_LAYOUTRTL nor
// SetLayout for the back buffer (neither exists on Windows 95 nor NT 4, nor
// on the 98 and ME editions but the Hebrew and Arabic ones), pictures keep
// their orientation without LAYOUT_BITMAPORIENTATIONPRESERVED, and the
// places the wizard hands on (hover rectangles, a dialog over the page area,
// accessible locations) come from FormRect like the paint's.
float Control::PlacedLeft() const {
    if (!form_ || !form_->RightToLeft()) return left_;
    float inner = container_ ? container_->ScaleWidth() : form_->ScaleWidth();
    return inner - left_ - width_;
}

float Control::InnerOriginX() const {
    float x = PlacedLeft() + BorderWidth();
    for (Control* c = container_; c; c = c->container_) x += c->PlacedLeft() + c->BorderWidth();
    return x;
}

float Control::InnerOriginY() const {
    float y = top_ + BorderWidth();
    for (Control* c = container_; c; c = c->container_) y += c->top_ + c->BorderWidth();
    return y;
}

Rect Control::FormRect() const {
    float x = PlacedLeft(), y = top_;
    for (Control* c = container_; c; c = c->container_) {
        x += c->PlacedLeft() + c->BorderWidth();
        y += c->top_ + c->BorderWidth();
    }
    int l = RoundPixel(x), t = RoundPixel(y);
    return Rect{l, t, l + RoundPixel(width_), t + RoundPixel(height_)};
}

void Control::ClientToScreen(float x, float y, int32_t* screenX, int32_t* screenY) const {
    float ox = alive_ ? InnerOriginX() : 0, oy = alive_ ? InnerOriginY() : 0;
    if (form_ && form_->RightToLeft()) x = ScaleWidth() - x;
    if (form_) {
        form_->ClientToScreen(ox + x, oy + y, screenX, screenY);
    } else {
        *screenX = RoundPixel(x);
        *screenY = RoundPixel(y);
    }
}

bool Control::EffectivelyVisible() const {
    if (!alive_ || !visible_) return false;
    return container_ ? container_->EffectivelyVisible() : true;
}

bool Control::EffectivelyEnabled() const {
    if (!alive_ || !enabled_) return false;
    if (container_) return container_->EffectivelyEnabled();
    return form_ && form_->Enabled();
}

template <class F>
void Control::Mutate(F&& change) {
    if (!alive_) return;
    Rect before = FormRect();
    // The focus mark reaches past a label's left edge.
    Form::FocusMarkMove mark(form_ && form_->MarksFocusOn(this) ? form_ : nullptr);
    Form::AccessWatch watch(form_, this);
    change();
    Resize();
    if (!form_ || !form_->IsLoaded()) return;
    form_->Invalidate(Union(before, FormRect()));
    SyncWindows();
}

void Control::SyncWindows() {
    if (!alive_ || !form_ || !form_->IsLoaded()) return;
    if (IsWindowed()) GetBackend().SyncChild(*form_, *this);
    for (Control* c : children_) c->SyncWindows();
}

void Control::TextExtent(float* width, float* height) const {
    size_t lines = Lines().size();
    float w = 0;
    for (float lw : lineWidths_) w = std::max(w, lw);
    *width = w;
    *height = GetBackend().LineHeight(font_) * static_cast<float>(std::max<size_t>(1, lines));
}

void Control::Resize() {
    if (kind_ != Kind::Label || !autoSize_) return;
    float w = 0, h = 0;
    TextExtent(&w, &h);
    // Without a caption the width stays, so that AutoSize and WordWrap can be
    // set in either order before the text.
    if (!wordWrap_ && !caption_.empty()) width_ = w;
    height_ = h;
}

// Wrapping measures every word on its growing line (every character of an
// ideographic text): done once per caption, font and width, not per paint.
const std::vector<std::wstring>& Control::Lines() const {
    if (wrapped_) return lines_;
    Backend& b = GetBackend();
    const Font& f = font_;
    auto measure = [&b, &f](const std::wstring& s) { return b.TextWidth(f, text::StripMnemonic(s)); };
    lines_ = autoSize_ && !wordWrap_ ? text::SplitLines(caption_) : text::Wrap(caption_, width_, measure, breaks_);
    lineWidths_.clear();
    for (const auto& l : lines_) lineWidths_.push_back(measure(l));
    wrapped_ = true;
    return lines_;
}

void Control::Rewrap() { wrapped_ = false; }

int Control::TextAlignment() const {
    if (!rightToLeft_ || alignment_ == kAlignCenter) return alignment_;
    return alignment_ == kAlignLeft ? kAlignRight : kAlignLeft;
}

std::vector<Rect> Control::LineRects() const {
    Rect r = FormRect();
    size_t n = Lines().size();
    float lh = GetBackend().LineHeight(font_);
    int align = TextAlignment();
    std::vector<Rect> rects;
    for (size_t i = 0; i < n; ++i) {
        int w = RoundPixel(lineWidths_[i]);
        float x = static_cast<float>(r.left);
        if (align == kAlignCenter) x += (width_ - lineWidths_[i]) / 2;
        int left = align == kAlignRight ? r.right - w : RoundPixel(x);
        rects.push_back(Rect{left, r.top + RoundPixel(lh * static_cast<float>(i)), left + w,
                             r.top + RoundPixel(lh * static_cast<float>(i + 1))});
    }
    return rects;
}

void Control::SetLeft(float v) {
    Mutate([&] { left_ = v; });
}
void Control::SetTop(float v) {
    Mutate([&] { top_ = v; });
}
void Control::SetWidth(float v) {
    Mutate([&] {
        width_ = v;
        Rewrap();
    });
}
void Control::SetHeight(float v) {
    Mutate([&] { height_ = v; });
}
void Control::Move(float left, float top) {
    Mutate([&] {
        left_ = left;
        top_ = top;
    });
}
void Control::Move(float left, float top, float width, float height) {
    Mutate([&] {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        Rewrap();
    });
}

void Control::SetVisible(bool v) {
    Mutate([&] { visible_ = v; });
}

void Control::SetEnabled(bool v) {
    if (!alive_) return;
    if (kind_ == Kind::Timer) {
        enabled_ = v;
        SyncTimer();
        return;
    }
    Mutate([&] { enabled_ = v; });
}

void Control::ZOrder(int position) {
    if (!alive_ || !form_) return;
    std::vector<Control*>& list = container_ ? container_->children_ : form_->children_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (position == 1)
        list.insert(list.begin(), this);
    else
        list.push_back(this);
    Mutate([] {});
}

void Control::SetMousePointer(int pointer) {
    if (!alive_) return;
    mousePointer_ = pointer;
    if (form_ && form_->IsLoaded()) GetBackend().PointerChanged(*form_);
}

// ---------------------------------------------------------------------------
// Text, fonts and colours

void Control::SetCaption(const std::wstring& text) {
    if (text == caption_) return;
    Mutate([&] {
        caption_ = text;
        Rewrap();
    });
    // A keyboard proxy carries the caption of the picture it stands for, so
    // that what the system tells of its window names the button.
    if (partOf_ && form_)
        for (Control* c : form_->Controls())
            if (c->kind_ == Kind::CommandButton && c->focusShownOn_ == partOf_ && partOf_->namedBy_ == this)
                c->SetCaption(text);
}

void Control::SetFont(const Font& f) {
    Mutate([&] {
        font_ = f;
        Rewrap();
    });
}
void Control::SetFontName(const std::wstring& name) {
    Mutate([&] {
        font_.name = name;
        Rewrap();
    });
}
void Control::SetFontSize(float points) {
    Mutate([&] {
        font_.size = points;
        Rewrap();
    });
}
void Control::SetFontCharset(int16_t charset) {
    Mutate([&] {
        font_.charset = charset;
        Rewrap();
    });
}
void Control::SetForeColor(Color c) {
    Mutate([&] { foreColor_ = c; });
}
void Control::SetBackColor(Color c) {
    Mutate([&] { backColor_ = c; });
}
void Control::SetAlignment(int a) {
    Mutate([&] { alignment_ = a; });
}
void Control::SetRightToLeft(bool v) {
    Mutate([&] { rightToLeft_ = v; });
}
void Control::SetAutoSize(bool v) {
    Mutate([&] {
        autoSize_ = v;
        Rewrap();
    });
}
void Control::SetWordWrap(bool v) {
    Mutate([&] {
        wordWrap_ = v;
        Rewrap();
    });
}
void Control::SetLineBreaks(text::Breaks breaks) {
    Mutate([&] {
        breaks_ = breaks;
        Rewrap();
    });
}
void Control::SetBackStyle(int v) {
    Mutate([&] { backStyle_ = v; });
}

// ---------------------------------------------------------------------------
// Pictures and the drawing of picture boxes

bool Control::SetPicture(int bitmapResourceId) {
    if (!alive_) return false;
    int w = 0, h = 0;
    if (bitmapResourceId != 0 && !GetBackend().PictureSize(bitmapResourceId, &w, &h)) return false;
    Mutate([&] {
        picture_ = bitmapResourceId;
        if (kind_ == Kind::Image && !stretch_ && bitmapResourceId != 0) {
            width_ = static_cast<float>(w);
            height_ = static_cast<float>(h);
        }
    });
    return true;
}

void Control::SetStretch(bool v) {
    if (!alive_) return;
    int w = 0, h = 0;
    bool sized = !v && kind_ == Kind::Image && picture_ != 0 && GetBackend().PictureSize(picture_, &w, &h);
    Mutate([&] {
        stretch_ = v;
        if (sized) {
            width_ = static_cast<float>(w);
            height_ = static_cast<float>(h);
        }
    });
}

void Control::SetBorderStyle(int v) {
    Mutate([&] { borderStyle_ = v; });
}

float Control::ScaleWidth() const { return std::max(0.0f, width_ - 2 * BorderWidth()); }
float Control::ScaleHeight() const { return std::max(0.0f, height_ - 2 * BorderWidth()); }

void Control::Cls() {
    Mutate([&] {
        ops_.clear();
        currentX_ = 0;
        currentY_ = 0;
    });
}

void Control::LineBox(float x1, float y1, float x2, float y2, Color color, bool filled) {
    Mutate([&] {
        DrawOp op;
        op.type = DrawOp::Box;
        op.x1 = x1;
        op.y1 = y1;
        op.x2 = x2;
        op.y2 = y2;
        op.color = color;
        op.filled = filled;
        ops_.push_back(op);
    });
}

void Control::Print(const std::wstring& text) {
    if (!alive_) return;
    float h = TextHeight(text);
    Mutate([&] {
        DrawOp op;
        op.type = DrawOp::Text;
        op.x1 = currentX_;
        op.y1 = currentY_;
        op.color = foreColor_;
        op.text = text;
        op.font = font_;
        ops_.push_back(op);
        currentX_ = 0;
        currentY_ += h;
    });
}

float Control::TextHeight(const std::wstring& text) const {
    return GetBackend().LineHeight(font_) * static_cast<float>(text::SplitLines(text).size());
}

// ---------------------------------------------------------------------------
// List boxes, buttons and timers

void Control::AddItem(const std::wstring& text) {
    Mutate([&] { items_.push_back(text); });
}

std::wstring Control::Text() const {
    if (listIndex_ < 0 || listIndex_ >= ListCount()) return std::wstring();
    return items_[static_cast<size_t>(listIndex_)];
}

void Control::SelectFromUser(int index) {
    if (!alive_ || index < -1 || index >= ListCount()) return;
    listIndex_ = index;
    Fire(OnClick);
}

void Control::SetDefault(bool v) {
    if (!alive_ || kind_ != Kind::CommandButton) return;
    if (v && form_) {
        for (Control* c : form_->Controls())
            if (c != this && c->default_) {
                c->default_ = false;
                c->SyncWindows();
            }
    }
    Mutate([&] { default_ = v; });
}

void Control::SetCancel(bool v) {
    if (!alive_ || kind_ != Kind::CommandButton) return;
    if (v && form_) {
        for (Control* c : form_->Controls())
            if (c != this) c->cancel_ = false;
    }
    cancel_ = v;
}

void Control::SetTabIndex(int v) {
    if (alive_) tabIndex_ = v;
}

void Control::SetTabStop(bool v) {
    if (alive_ && !IsWindowed()) tabStop_ = v;
}

void Control::SetFocusShownOn(Control* shown) {
    if (!alive_) return;
    {
        Form::FocusMarkMove mark(form_ && form_->focused_ == this ? form_ : nullptr);
        focusShownOn_ = shown;
    }
    if (shown && shown->namedBy_ && shown->namedBy_->alive_) SetCaption(shown->namedBy_->caption_);
}

// A windowless control takes the focus as the form's window, whose keys the
// form then passes to it.
void Control::SetFocus() {
    if (!alive_ || !TabStop() || !form_ || !form_->IsLoaded()) return;
    if (!EffectivelyVisible() || !EffectivelyEnabled()) return;
    form_->SetFocused(this);
    GetBackend().FocusChild(*form_, IsWindowed() ? this : nullptr);
}

void Control::Press() {
    if (Usable()) Fire(OnClick);
}

void Control::SetRole(Role role) {
    if (alive_) role_ = role;
}

void Control::SetNamedBy(Control* label) {
    if (!alive_ || !label) return;
    Mutate([&] { namedBy_ = label; });
    label->partOf_ = this;
}

void Control::SetFace(Control* face) {
    if (!alive_ || !face) return;
    Mutate([&] { face_ = face; });
    face->partOf_ = this;
}

void Control::SetChecked(bool v) {
    if (v != checked_) Mutate([&] { checked_ = v; });
}

void Control::SetAccessibleValue(const std::wstring& value) {
    if (value != accessibleValue_) Mutate([&] { accessibleValue_ = value; });
}

void Control::SetInterval(uint32_t ms) {
    if (!alive_) return;
    interval_ = ms;
    SyncTimer();
}

void Control::SyncTimer() {
    if (kind_ != Kind::Timer || !form_ || !form_->IsLoaded()) return;
    GetBackend().SetTimer(*form_, childId_, (alive_ && enabled_) ? interval_ : 0);
}

void Control::Fire(const Handler& h) {
    if (!alive_ || !h) return;
    Handler copy = h;
    copy();
}

void Control::FireMouse(const MouseHandler& h, const MouseArgs& a) {
    if (!alive_ || !h) return;
    MouseHandler copy = h;
    copy(a);
}

void Control::Detach() {
    if (!alive_) return;
    if (kind_ == Kind::Timer && form_ && form_->IsLoaded()) GetBackend().SetTimer(*form_, childId_, 0);
    if (IsWindowed() && childWindow_) GetBackend().DestroyChild(*this);
    childWindow_ = 0;
    alive_ = false;
    children_.clear();
    OnClick = nullptr;
    OnTimer = nullptr;
    OnMouseDown = nullptr;
    OnMouseMove = nullptr;
    OnKeyDown = nullptr;
    focusShownOn_ = nullptr;
    namedBy_ = nullptr;
    face_ = nullptr;
    partOf_ = nullptr;
}

}  // namespace ui
