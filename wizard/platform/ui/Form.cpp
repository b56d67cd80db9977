// Form properties, the life of a form (load, show, unload) with the modal
// loop, and its collection of controls by name.
#include "platform/ui/Form.h"

#include <algorithm>

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

bool Exists(const Form* f) { return std::find(AllForms().begin(), AllForms().end(), f) != AllForms().end(); }

// Removed controls are kept, detached, until the process ends, so that a
// stale pointer to one never dangles.
std::vector<std::unique_ptr<Control>>& Graveyard() {
    static std::vector<std::unique_ptr<Control>> dead;
    return dead;
}

MissingControlHook missingControlHook = nullptr;

}  // namespace

void SetMissingControlHook(MissingControlHook hook) { missingControlHook = hook; }
MissingControlHook GetMissingControlHook() { return missingControlHook; }

int ScreenWidth() { return GetBackend().ScreenWidth(); }
int ScreenHeight() { return GetBackend().ScreenHeight(); }

Form::Form(const std::wstring& name) : name_(name) {
    ResetProperties();
    AllForms().push_back(this);
}

Form::~Form() {
    auto& all = AllForms();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

// The design starts from these each time the form loads.
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
    role_ = Role::Client;
    rightToLeft_ = false;
}

// ---------------------------------------------------------------------------
// Life

void Form::Load() {
    if (loaded_) return;
    ResetProperties();
    loaded_ = true;
    focused_ = nullptr;
    captured_ = nullptr;
    Backend& b = GetBackend();
    ownedBy_ = owner_ && owner_ != this && owner_->loaded_ && owner_->window_ ? owner_ : nullptr;
    window_ = b.CreateForm(*this);
    b.SyncForm(*this);
    if (OnDesign) {
        auto design = OnDesign;
        design(*this);
    }
    // The design may have unloaded the form again.
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

void Form::FreeRemovedControls() { Graveyard().clear(); }

void Form::Show() {
    Load();
    if (!loaded_) return;
    Backend& b = GetBackend();
    b.SyncForm(*this);
    b.ShowForm(*this, true);
    if (focused_) return;
    // The focus goes to the first windowed control in tab order, or to the
    // window itself, so that Enter and Esc reach the form at once.
    Control* first = nullptr;
    for (Control* c : Controls())
        if (c->IsWindowed() && c->Usable() && (!first || c->tabIndex_ < first->tabIndex_)) first = c;
    if (first)
        first->SetFocus();
    else
        b.FocusChild(*this, nullptr);
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
    while (loaded_)
        if (!GetBackend().WaitAndDispatch()) break;
}

void Form::Unblock() {
    // Before the modal window goes, so that the system can activate the
    // window below it.
    for (Form* f : modalBlocked_)
        if (Exists(f) && f->blockCount_ > 0 && --f->blockCount_ == 0 && f->loaded_) GetBackend().BlockForm(*f, false);
    modalBlocked_.clear();
}

bool Form::Unload() { return UnloadWith(kUnloadFormCode); }

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
    // The windows this one owns go first, as Windows destroys them with it.
    for (Form* f : std::vector<Form*>(AllForms()))
        if (f != this && f->loaded_ && f->ownedBy_ == this) f->DestroyAll();
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
    ownedBy_ = nullptr;
    loaded_ = false;
    unloading_ = false;
}

// ---------------------------------------------------------------------------
// Window properties

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
    if (!loaded_) return;
    GetBackend().SyncForm(*this);
    InvalidateAll();
    // Mirrored, the controls stand from the right edge, which moved.
    if (rightToLeft_)
        for (Control* c : children_) c->SyncWindows();
}

void Form::SetRightToLeft(bool v) {
    Load();
    rightToLeft_ = v;
    if (!loaded_) return;
    InvalidateAll();
    for (Control* c : children_) c->SyncWindows();
}

void Form::SetBackColor(Color c) {
    Load();
    backColor_ = c;
    if (loaded_) InvalidateAll();
}

void Form::SetEnabled(bool v) {
    Load();
    enabled_ = v;
    if (!loaded_) return;
    GetBackend().SyncForm(*this);
    for (Control* c : Controls()) c->SyncWindows();
    InvalidateAll();
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
    InvalidateAll();
    GetBackend().Update(*this);
}

void Form::ClientToScreen(float x, float y, int32_t* screenX, int32_t* screenY) const {
    int32_t sx = RoundPixel(x), sy = RoundPixel(y);
    if (window_) sys::ClientToScreen(window_, &sx, &sy);
    *screenX = sx;
    *screenY = sy;
}

float Form::TextWidth(const std::wstring& text) const {
    Backend& b = GetBackend();
    float w = 0;
    for (const auto& l : text::SplitLines(text)) w = std::max(w, b.TextWidth(font_, l));
    return w;
}

void Form::Invalidate(const Rect& r) {
    if (!loaded_ || !window_ || r.Width() <= 0 || r.Height() <= 0) return;
    GetBackend().Invalidate(*this, r);
}

void Form::InvalidateAll() { Invalidate(Rect{0, 0, RoundPixel(clientWidth_), RoundPixel(clientHeight_)}); }

// ---------------------------------------------------------------------------
// Controls

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
    if (c->role_ != Role::None && c->EffectivelyVisible()) Announce(c, AccessEvent::Show);
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
    if (focused_ == c) SetFocused(nullptr);
    if (MarksFocusOn(c)) InvalidateFocusMark();
    if (captured_ == c) captured_ = nullptr;
    if (c->role_ != Role::None) Announce(c, AccessEvent::Destroy);
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

Control* Form::ByChildId(int id) const {
    if (id == 0) return nullptr;
    for (const auto& c : owned_)
        if (c->childId_ == id) return c.get();
    return nullptr;
}

}  // namespace ui
