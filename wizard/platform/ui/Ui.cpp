#include "platform/ui/Ui.h"

#include <algorithm>
#include <cmath>

#include "platform/sys/Ui.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Text.h"

namespace ui {

namespace {

// Every Form object of the program (for modal blocking and ResetAll).
std::vector<Form*>& AllForms() {
    static std::vector<Form*> forms;
    return forms;
}

// Removed controls are kept, detached, until the process ends, so that a
// stale pointer to one never dangles.
std::vector<std::unique_ptr<Control>>& Graveyard() {
    static std::vector<std::unique_ptr<Control>> dead;
    return dead;
}

int NextChildId() {
    static int next = 100;
    return ++next;
}

int Round(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

Rect Union(const Rect& a, const Rect& b) {
    if (a.Width() <= 0 || a.Height() <= 0) return b;
    if (b.Width() <= 0 || b.Height() <= 0) return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

const Color kGrayText = Rgb(128, 128, 128);

}  // namespace

bool operator==(const Font& a, const Font& b) {
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic && a.charset == b.charset;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (text::FoldChar(a[i]) != text::FoldChar(b[i])) return false;
    return true;
}

// ---------------------------------------------------------------------------
// Control

Control::Control(Form* form, Kind kind, const std::wstring& name, Control* container)
    : form_(form), kind_(kind), name_(name), container_(container) {
    if (kind == Kind::Timer) enabled_ = false;
    if (kind == Kind::ListBox || kind == Kind::CommandButton || kind == Kind::Timer) childId_ = NextChildId();
    if (kind == Kind::PictureBox) backColor_ = Rgb(192, 192, 192);
    if (kind == Kind::None) alive_ = false;
}

Control& Control::Inert() {
    static Control inert(nullptr, Kind::None, std::wstring(), nullptr);
    return inert;
}

float Control::BorderWidth() const { return (kind_ == Kind::PictureBox && borderStyle_ == 1) ? 1.0f : 0.0f; }

float Control::InnerOriginX() const {
    float x = left_ + BorderWidth();
    for (Control* c = container_; c; c = c->container_) x += c->left_ + c->BorderWidth();
    return x;
}

float Control::InnerOriginY() const {
    float y = top_ + BorderWidth();
    for (Control* c = container_; c; c = c->container_) y += c->top_ + c->BorderWidth();
    return y;
}

Rect Control::FormRect() const {
    float x = left_, y = top_;
    for (Control* c = container_; c; c = c->container_) {
        x += c->left_ + c->BorderWidth();
        y += c->top_ + c->BorderWidth();
    }
    int l = Round(x), t = Round(y);
    return Rect{l, t, l + Round(width_), t + Round(height_)};
}

void Control::ClientToScreen(float x, float y, int32_t* screenX, int32_t* screenY) const {
    // A picture box's inner origin, or the control's own top-left corner.
    float ox = alive_ ? InnerOriginX() : 0, oy = alive_ ? InnerOriginY() : 0;
    if (form_) {
        form_->ClientToScreen(ox + x, oy + y, screenX, screenY);
    } else {
        *screenX = Round(x);
        *screenY = Round(y);
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

void Control::SyncTimer() {
    if (kind_ != Kind::Timer || !form_ || !form_->IsLoaded()) return;
    GetBackend().SetTimer(*form_, childId_, (alive_ && enabled_) ? interval_ : 0);
}

void Control::Resize() {
    if (kind_ != Kind::Label || !autoSize_) return;
    Backend& b = GetBackend();
    float lineHeight = b.LineHeight(font_);
    std::vector<std::wstring> lines = Lines();
    // Without a caption the width stays, so that AutoSize and WordWrap can be
    // set in either order before the text.
    if (!wordWrap_ && !caption_.empty()) {
        float w = 0;
        for (const auto& l : lines) w = std::max(w, b.TextWidth(font_, text::StripMnemonic(l)));
        width_ = w;
    }
    height_ = lineHeight * static_cast<float>(std::max<size_t>(1, lines.size()));
}

std::vector<std::wstring> Control::Lines() const {
    if (autoSize_ && !wordWrap_) return text::SplitLines(caption_);
    Backend& b = GetBackend();
    const Font& f = font_;
    return text::Wrap(caption_, width_,
                      [&b, &f](const std::wstring& s) { return b.TextWidth(f, text::StripMnemonic(s)); });
}

void Control::SetLeft(float v) {
    Mutate([&] { left_ = v; });
}
void Control::SetTop(float v) {
    Mutate([&] { top_ = v; });
}
void Control::SetWidth(float v) {
    Mutate([&] { width_ = v; });
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

void Control::SetMouseIcon(int cursorResourceId) {
    if (!alive_) return;
    mouseIcon_ = cursorResourceId;
    if (form_ && form_->IsLoaded()) GetBackend().PointerChanged(*form_);
}

void Control::SetCaption(const std::wstring& text) {
    if (!alive_ || text == caption_) return;
    Mutate([&] { caption_ = text; });
    if (kind_ == Kind::Label) Fire(OnChange);
}

void Control::SetFont(const Font& f) {
    Mutate([&] { font_ = f; });
}
void Control::SetFontName(const std::wstring& name) {
    Mutate([&] { font_.name = name; });
}
void Control::SetFontSize(float points) {
    Mutate([&] { font_.size = points; });
}
void Control::SetFontBold(bool v) {
    Mutate([&] { font_.bold = v; });
}
void Control::SetFontItalic(bool v) {
    Mutate([&] { font_.italic = v; });
}
void Control::SetFontCharset(int16_t charset) {
    Mutate([&] { font_.charset = charset; });
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
void Control::SetAutoSize(bool v) {
    Mutate([&] { autoSize_ = v; });
}
void Control::SetWordWrap(bool v) {
    Mutate([&] { wordWrap_ = v; });
}
void Control::SetBackStyle(int v) {
    Mutate([&] { backStyle_ = v; });
}

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

float Control::TextWidth(const std::wstring& text) const {
    Backend& b = GetBackend();
    float w = 0;
    for (const auto& l : text::SplitLines(text)) w = std::max(w, b.TextWidth(font_, l));
    return w;
}

float Control::TextHeight(const std::wstring& text) const {
    return GetBackend().LineHeight(font_) * static_cast<float>(text::SplitLines(text).size());
}

void Control::AddItem(const std::wstring& text) {
    Mutate([&] { items_.push_back(text); });
}

void Control::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    Mutate([&] {
        items_.erase(items_.begin() + index);
        if (listIndex_ == index)
            listIndex_ = -1;
        else if (listIndex_ > index)
            --listIndex_;
    });
}

void Control::Clear() {
    Mutate([&] {
        items_.clear();
        listIndex_ = -1;
    });
}

std::wstring Control::List(int index) const {
    if (index < 0 || index >= ListCount()) return std::wstring();
    return items_[static_cast<size_t>(index)];
}

void Control::SetListIndex(int index) {
    if (!alive_) return;
    if (index < -1 || index >= ListCount()) return;
    if (index == listIndex_) return;
    Mutate([&] { listIndex_ = index; });
    Fire(OnClick);
}

std::wstring Control::Text() const { return List(listIndex_); }

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

void Control::SetFocus() {
    if (!alive_ || !IsWindowed() || !form_ || !form_->IsLoaded()) return;
    if (!EffectivelyVisible() || !EffectivelyEnabled()) return;
    form_->focused_ = this;
    GetBackend().FocusChild(*form_, this);
}

void Control::Press() {
    if (EffectivelyEnabled() && EffectivelyVisible()) Fire(OnClick);
}

void Control::SetInterval(uint32_t ms) {
    if (!alive_) return;
    interval_ = ms;
    SyncTimer();
}

void Control::Refresh() {
    if (!alive_ || !form_ || !form_->IsLoaded()) return;
    form_->Invalidate(FormRect());
    GetBackend().Update(*form_);
}

void Control::Fire(const Handler& h) {
    if (!alive_ || !h) return;
    Handler copy = h;  // the handler may replace itself
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
    OnChange = nullptr;
    OnTimer = nullptr;
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    OnMouseMove = nullptr;
}

// ---------------------------------------------------------------------------
// Form

Form::Form(const std::wstring& name) : name_(name) {
    ResetProperties();
    AllForms().push_back(this);
}

Form::~Form() {
    auto& all = AllForms();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void Form::ResetProperties() {
    caption_.clear();
    borderStyle_ = 1;
    left_ = 0;
    top_ = 0;
    clientWidth_ = 320;
    clientHeight_ = 240;
    backColor_ = Rgb(192, 192, 192);
    enabled_ = true;
    windowState_ = kStateNormal;
    mousePointer_ = 0;
    mouseIcon_ = 0;
    font_ = Font();
}

void Form::Load() {
    if (loaded_) return;
    ResetProperties();
    loaded_ = true;
    visible_ = false;
    focused_ = nullptr;
    captured_ = nullptr;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{loading_};
    loading_ = true;
    Backend& b = GetBackend();
    window_ = b.CreateForm(*this);
    b.SyncForm(*this);
    if (OnDesign) {
        auto design = OnDesign;
        design(*this);
    }
    if (!loaded_) return;
    if (OnLoad) {
        Handler load = OnLoad;
        load();
    }
}

void Form::ResetAll() {
    for (Form* f : AllForms())
        if (f->loaded_) f->DestroyAll();
}

void Form::Show() {
    Load();
    if (!loaded_) return;
    visible_ = true;
    Backend& b = GetBackend();
    b.SyncForm(*this);
    b.ShowForm(*this, true);
    if (!focused_) {
        Control* first = nullptr;
        for (Control* c : Controls())
            if (c->IsWindowed() && c->EffectivelyVisible() && c->EffectivelyEnabled() &&
                (!first || c->tabIndex_ < first->tabIndex_))
                first = c;
        if (first)
            first->SetFocus();
        else
            b.FocusChild(*this, nullptr);
    }
}

void Form::ShowModal() {
    Load();
    if (!loaded_) return;
    // Other forms take no input while this one is modal; their timers go on.
    for (Form* f : AllForms())
        if (f != this && f->loaded_) {
            if (f->blockCount_++ == 0) GetBackend().BlockForm(*f, true);
            modalBlocked_.push_back(f);
        }
    struct Guard {
        Form* self;
        ~Guard() {
            --self->modalDepth_;
            self->Unblock();
        }
    } guard{this};
    ++modalDepth_;
    Show();
    while (loaded_ && visible_)
        if (!GetBackend().WaitAndDispatch()) break;
}

void Form::Unblock() {
    // Before the modal window goes, so that the system can activate the
    // window below it.
    for (Form* f : modalBlocked_)
        if (std::find(AllForms().begin(), AllForms().end(), f) != AllForms().end() && f->blockCount_ > 0 &&
            --f->blockCount_ == 0 && f->loaded_)
            GetBackend().BlockForm(*f, false);
    modalBlocked_.clear();
}

void Form::Hide() {
    Load();
    if (!loaded_) return;
    visible_ = false;
    Unblock();
    GetBackend().ShowForm(*this, false);
}

bool Form::Unload() { return UnloadWith(kUnloadFormCode); }

bool Form::DispatchClose(int mode) { return UnloadWith(mode); }

bool Form::UnloadWith(int mode) {
    if (!loaded_) return true;
    bool cancel = false;
    if (OnQueryUnload) {
        auto query = OnQueryUnload;
        query(cancel, mode);
    }
    if (!loaded_) return true;  // the handler unloaded it already
    if (cancel) return false;
    if (OnUnload) {
        auto unload = OnUnload;
        unload(cancel);
    }
    if (!loaded_) return true;
    if (cancel) return false;
    DestroyAll();
    return true;
}

void Form::DestroyAll() {
    unloading_ = true;
    std::vector<Control*> top = children_;
    for (auto it = top.rbegin(); it != top.rend(); ++it) RemoveTree(*it);
    // Anything left (should be nothing) goes too.
    while (!owned_.empty()) RemoveTree(owned_.back().get());
    children_.clear();
    focused_ = nullptr;
    captured_ = nullptr;
    Unblock();
    if (window_) GetBackend().DestroyForm(*this, window_);
    window_ = 0;
    loaded_ = false;
    visible_ = false;
    unloading_ = false;
}

void Form::SetCaption(const std::wstring& text) {
    Load();
    caption_ = text;
    if (loaded_) GetBackend().SyncForm(*this);
}

void Form::SetBorderStyle(int v) {
    Load();
    borderStyle_ = v;
    if (loaded_) GetBackend().SyncForm(*this);
}

void Form::Move(float left, float top) {
    Load();
    left_ = left;
    top_ = top;
    if (loaded_) GetBackend().SyncForm(*this);
}

void Form::SetClientSize(float width, float height) {
    Load();
    clientWidth_ = width;
    clientHeight_ = height;
    if (loaded_) {
        GetBackend().SyncForm(*this);
        Invalidate(Rect{0, 0, Round(width), Round(height)});
    }
}

float Form::Width() const {
    int dx = 0, dy = 0;
    GetBackend().FrameExtra(borderStyle_, &dx, &dy);
    return clientWidth_ + static_cast<float>(dx);
}

float Form::Height() const {
    int dx = 0, dy = 0;
    GetBackend().FrameExtra(borderStyle_, &dx, &dy);
    return clientHeight_ + static_cast<float>(dy);
}

void Form::SetBackColor(Color c) {
    Load();
    backColor_ = c;
    if (loaded_) Invalidate(Rect{0, 0, Round(clientWidth_), Round(clientHeight_)});
}

void Form::SetEnabled(bool v) {
    Load();
    enabled_ = v;
    if (!loaded_) return;
    GetBackend().SyncForm(*this);
    for (Control* c : Controls()) c->SyncWindows();
    Invalidate(Rect{0, 0, Round(clientWidth_), Round(clientHeight_)});
}

void Form::SetWindowState(int state) {
    Load();
    windowState_ = state;
    if (loaded_) GetBackend().SyncForm(*this);
}

void Form::SetMousePointer(int pointer) {
    Load();
    mousePointer_ = pointer;
    if (loaded_) GetBackend().PointerChanged(*this);
}

void Form::SetMouseIcon(int cursorResourceId) {
    Load();
    mouseIcon_ = cursorResourceId;
    if (loaded_) GetBackend().PointerChanged(*this);
}

sys::Handle Form::Handle() {
    Load();
    return window_;
}

void Form::Refresh() {
    if (!loaded_) return;
    Invalidate(Rect{0, 0, Round(clientWidth_), Round(clientHeight_)});
    GetBackend().Update(*this);
}

void Form::ClientToScreen(float x, float y, int32_t* screenX, int32_t* screenY) const {
    int32_t sx = Round(x), sy = Round(y);
    if (window_) sys::ClientToScreen(window_, &sx, &sy);
    *screenX = sx;
    *screenY = sy;
}

void Form::SetFont(const Font& f) { font_ = f; }
void Form::SetFontName(const std::wstring& name) { font_.name = name; }
void Form::SetFontSize(float points) { font_.size = points; }
void Form::SetFontBold(bool v) { font_.bold = v; }
void Form::SetFontItalic(bool v) { font_.italic = v; }
void Form::SetFontCharset(int16_t charset) { font_.charset = charset; }

float Form::TextWidth(const std::wstring& text) const {
    Backend& b = GetBackend();
    float w = 0;
    for (const auto& l : text::SplitLines(text)) w = std::max(w, b.TextWidth(font_, l));
    return w;
}

float Form::TextHeight(const std::wstring& text) const {
    return GetBackend().LineHeight(font_) * static_cast<float>(text::SplitLines(text).size());
}

Control* Form::Add(Kind kind, const std::wstring& name, Control* container) {
    if (kind == Kind::None || name.empty()) return nullptr;
    Load();
    if (!loaded_ || Find(name)) return nullptr;
    if (container && (!container->alive_ || container->kind_ != Kind::PictureBox || container->form_ != this))
        return nullptr;
    owned_.push_back(std::make_unique<Control>(this, kind, name, container));
    Control* c = owned_.back().get();
    (container ? container->children_ : children_).push_back(c);
    if (c->IsWindowed()) {
        c->childWindow_ = GetBackend().CreateChild(*this, *c);
        GetBackend().SyncChild(*this, *c);
    }
    return c;
}

bool Form::Remove(const std::wstring& name) {
    Control* c = Find(name);
    if (!c) return false;
    RemoveTree(c);
    return true;
}

void Form::RemoveTree(Control* c) {
    std::vector<Control*> kids = c->children_;
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) RemoveTree(*it);
    if (loaded_ && !unloading_ && c->EffectivelyVisible()) Invalidate(c->FormRect());
    std::vector<Control*>& list = c->container_ ? c->container_->children_ : children_;
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
    if (focused_ == c) focused_ = nullptr;
    if (captured_ == c) captured_ = nullptr;
    c->Detach();
    for (auto it = owned_.begin(); it != owned_.end(); ++it)
        if (it->get() == c) {
            Graveyard().push_back(std::move(*it));
            owned_.erase(it);
            break;
        }
}

Control* Form::Find(const std::wstring& name) const {
    for (const auto& c : owned_)
        if (SameName(c->name_, name)) return c.get();
    return nullptr;
}

namespace {
MissingControlHook missingControlHook = nullptr;
}  // namespace

void SetMissingControlHook(MissingControlHook hook) { missingControlHook = hook; }
MissingControlHook GetMissingControlHook() { return missingControlHook; }

Control& Form::Item(const std::wstring& name) {
    Load();
    if (Control* c = Find(name)) return *c;
    if (missingControlHook) missingControlHook(*this, name);
    return Control::Inert();
}

std::vector<Control*> Form::Controls() const {
    std::vector<Control*> all;
    for (const auto& c : owned_) all.push_back(c.get());
    return all;
}

Control* Form::HitIn(const std::vector<Control*>& list, float x, float y) const {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        Control* c = *it;
        if (!c->visible_ || c->kind_ == Kind::Timer || c->IsWindowed()) continue;
        Rect r = c->FormRect();
        if (!r.Contains(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)))) continue;
        if (c->kind_ == Kind::PictureBox) {
            if (Control* inner = HitIn(c->children_, x, y)) return inner;
        }
        return c;
    }
    return nullptr;
}

Control* Form::HitTest(float x, float y) const { return HitIn(children_, x, y); }

Control* Form::DefaultButton() const {
    for (const auto& c : owned_)
        if (c->kind_ == Kind::CommandButton && c->default_) return c.get();
    return nullptr;
}

Control* Form::CancelButton() const {
    for (const auto& c : owned_)
        if (c->kind_ == Kind::CommandButton && c->cancel_) return c.get();
    return nullptr;
}

void Form::DispatchMouse(MouseEvent ev, int button, int shift, int x, int y) {
    if (!loaded_) return;
    Control* under = HitTest(static_cast<float>(x), static_cast<float>(y));
    Control* target = under;
    if (ev == MouseEvent::Down) {
        if (!captured_) {
            captured_ = under;
            capturedButton_ = button;
        }
    } else if (captured_) {
        target = captured_;
    }
    bool clicked = false;
    if (ev == MouseEvent::Up && captured_ && button == capturedButton_) {
        clicked = (button == kLeftButton && under == captured_);
        captured_ = nullptr;
        capturedButton_ = 0;
    }
    if (!target || !target->EffectivelyEnabled()) return;
    MouseArgs a;
    a.button = button;
    a.shift = shift;
    float cx = 0, cy = 0;
    if (target->container_) {
        cx = target->container_->InnerOriginX();
        cy = target->container_->InnerOriginY();
    }
    a.x = static_cast<float>(x) - cx;
    a.y = static_cast<float>(y) - cy;
    a.localX = a.x - target->left_;
    a.localY = a.y - target->top_;
    switch (ev) {
        case MouseEvent::Down: target->FireMouse(target->OnMouseDown, a); break;
        case MouseEvent::Move: target->FireMouse(target->OnMouseMove, a); break;
        case MouseEvent::Up:
            target->FireMouse(target->OnMouseUp, a);
            if (clicked) target->Fire(target->OnClick);
            break;
    }
}

bool Form::DispatchKey(int key, int shift) {
    (void)shift;
    if (!loaded_) return false;
    if (key == kKeyReturn) {
        Control* b = DefaultButton();
        if (!b) return false;
        b->Press();
        return true;
    }
    if (key == kKeyEscape) {
        Control* b = CancelButton();
        if (!b) return false;
        b->Press();
        return true;
    }
    return false;
}

void Form::DispatchTimer(int timerId) {
    Control* c = ByChildId(timerId);
    if (!c || c->kind_ != Kind::Timer || !c->enabled_ || c->interval_ == 0) return;
    c->Fire(c->OnTimer);
}

void Form::DispatchCommand(int childId) {
    Control* c = ByChildId(childId);
    if (c && c->kind_ == Kind::CommandButton) c->Press();
}

void Form::DispatchListSelect(int childId, int idx) {
    Control* c = ByChildId(childId);
    if (c && c->kind_ == Kind::ListBox && c->EffectivelyEnabled()) c->SelectFromUser(idx);
}

void Form::DispatchFocus(int childId) { focused_ = childId ? ByChildId(childId) : nullptr; }

void Form::DispatchMoved(int left, int top) {
    left_ = static_cast<float>(left);
    top_ = static_cast<float>(top);
}

void Form::DispatchMinimized(bool minimized) {
    if (minimized)
        windowState_ = kStateMinimized;
    else if (windowState_ == kStateMinimized)
        windowState_ = kStateNormal;
}

Control* Form::ByChildId(int id) const {
    if (id == 0) return nullptr;
    for (const auto& c : owned_)
        if (c->childId_ == id) return c.get();
    return nullptr;
}

void Form::CursorAt(int x, int y, int* pointer, int* cursorResourceId) const {
    *pointer = mousePointer_;
    *cursorResourceId = mouseIcon_;
    if (mousePointer_ == kPointerHourglass) return;
    Control* c = HitTest(static_cast<float>(x), static_cast<float>(y));
    if (c && c->mousePointer_ != kPointerDefault) {
        *pointer = c->mousePointer_;
        *cursorResourceId = c->mouseIcon_ ? c->mouseIcon_ : mouseIcon_;
    }
}

void Form::Invalidate(const Rect& r) {
    if (!loaded_ || !window_ || r.Width() <= 0 || r.Height() <= 0) return;
    GetBackend().Invalidate(*this, r);
}

void Form::ChildChanged(Control& c) { c.SyncWindows(); }

void Form::Paint(Canvas& canvas) const {
    if (!loaded_) return;
    canvas.FillRect(Rect{0, 0, Round(clientWidth_), Round(clientHeight_)}, backColor_);
    PaintChildren(canvas, children_, 0, 0);
}

void Form::PaintChildren(Canvas& canvas, const std::vector<Control*>& list, int ox, int oy) const {
    (void)ox;
    (void)oy;
    Backend& b = GetBackend();
    for (Control* c : list) {
        if (!c->visible_ || c->kind_ == Kind::Timer || c->IsWindowed()) continue;
        Rect r = c->FormRect();
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        canvas.PushClip(r);
        switch (c->kind_) {
            case Kind::Label: {
                if (c->backStyle_ == 1) canvas.FillRect(r, c->backColor_);
                float lh = b.LineHeight(c->font_);
                Color color = c->EffectivelyEnabled() ? c->foreColor_ : kGrayText;
                int i = 0;
                for (const auto& line : c->Lines()) {
                    float w = b.TextWidth(c->font_, text::StripMnemonic(line));
                    float x = static_cast<float>(r.left);
                    if (c->alignment_ == kAlignCenter)
                        x += (c->width_ - w) / 2;
                    else if (c->alignment_ == kAlignRight)
                        x += c->width_ - w;
                    canvas.DrawText(c->font_, color, Round(x), r.top + Round(lh * static_cast<float>(i)), line, true);
                    ++i;
                }
                break;
            }
            case Kind::Image:
                if (c->picture_) canvas.DrawPicture(c->picture_, r, c->stretch_);
                break;
            case Kind::PictureBox: {
                canvas.FillRect(r, c->backColor_);
                if (c->picture_) canvas.DrawPicture(c->picture_, r, false);
                int b1 = Round(c->BorderWidth());
                if (b1) canvas.FrameRect(r, c->foreColor_);
                Rect inner{r.left + b1, r.top + b1, r.right - b1, r.bottom - b1};
                canvas.PushClip(inner);
                for (const DrawOp& op : c->ops_) {
                    if (op.type == DrawOp::Box) {
                        int x1 = Round(std::min(op.x1, op.x2)), x2 = Round(std::max(op.x1, op.x2));
                        int y1 = Round(std::min(op.y1, op.y2)), y2 = Round(std::max(op.y1, op.y2));
                        Rect box{inner.left + x1, inner.top + y1, inner.left + x2 + 1, inner.top + y2 + 1};
                        if (op.filled)
                            canvas.FillRect(box, op.color);
                        else
                            canvas.FrameRect(box, op.color);
                    } else {
                        float lh = b.LineHeight(op.font);
                        int i = 0;
                        for (const auto& line : text::SplitLines(op.text)) {
                            canvas.DrawText(op.font, op.color, inner.left + Round(op.x1),
                                            inner.top + Round(op.y1 + lh * static_cast<float>(i)), line, false);
                            ++i;
                        }
                    }
                }
                PaintChildren(canvas, c->children_, inner.left, inner.top);
                canvas.PopClip();
                break;
            }
            default: break;
        }
        canvas.PopClip();
    }
}

int ScreenWidth() { return GetBackend().ScreenWidth(); }
int ScreenHeight() { return GetBackend().ScreenHeight(); }
void DoEvents() { GetBackend().DoEvents(); }

}  // namespace ui
