// What a screen reader is told of a form: each control with a role as one
// item, named, placed and in the state a standard dialog's control of that
// kind would be; the parts that make one item (a picture button's picture
// and caption, an option's face and text) counted once; decorative pictures
// not at all. What changes is announced to the backend.
#include <algorithm>

#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"
#include "platform/ui/Text.h"

namespace ui {

namespace {

// A caption as a reader speaks it: without the mnemonic's '&', its lines
// joined by blanks.
std::wstring Readable(const std::wstring& caption) {
    std::wstring out;
    for (const auto& line : text::SplitLines(text::StripMnemonic(caption))) {
        if (line.empty()) continue;
        if (!out.empty()) out += L' ';
        out += line;
    }
    return out;
}

}  // namespace

const Control* Form::AccessibleOwner(const Control* c) const {
    if (!c || !c->alive_) return nullptr;
    if (c->role_ != Role::None) return c;
    return c->partOf_ && c->partOf_->alive_ ? c->partOf_ : nullptr;
}

// A picture button's state is its keyboard proxies': their focus is its
// focus, Enter presses the default one.
bool Form::AccessibleItemOf(const Control* c, AccessibleItem* out) const {
    if (!c || !c->alive_ || c->form_ != this || c->role_ == Role::None) return false;
    AccessibleItem it;
    it.id = c->childId_;
    it.role = c->role_;
    it.control = const_cast<Control*>(c);
    const Control* named = c->namedBy_ && c->namedBy_->alive_ ? c->namedBy_ : c;
    it.name = Readable(named->caption_);
    it.charset = named->font_.charset;
    it.value = c->accessibleValue_;
    it.rect = c->FormRect();
    if (const Control* face = c->face_; face && face->alive_) it.rect = Union(it.rect, face->FormRect());
    if (!c->EffectivelyVisible()) it.state |= kAccInvisible;
    // A form under a modal one takes no input, as a disabled window.
    if (!c->EffectivelyEnabled() || blockCount_ > 0) it.state |= kAccUnavailable;
    if (focused_ == c) it.state |= kAccFocused;
    switch (c->role_) {
        case Role::Text:
        case Role::ProgressBar: it.state |= kAccReadOnly; break;
        case Role::RadioButton:
            if (c->checked_) it.state |= kAccChecked;
            if (c->EffectivelyEnabled()) it.state |= kAccFocusable;
            it.action = L"Check";
            break;
        case Role::PushButton:
            for (const auto& p : owned_) {
                if (p->focusShownOn_ != c) continue;
                if (p->Usable()) it.state |= kAccFocusable;
                if (p->default_ && p->EffectivelyEnabled()) it.state |= kAccDefault;
                if (focused_ == p.get()) it.state |= kAccFocused;
            }
            it.action = L"Press";
            break;
        case Role::List:
            if (c->Usable()) it.state |= kAccFocusable;
            break;
        default: break;
    }
    *out = it;
    return true;
}

std::vector<AccessibleItem> Form::AccessibleItems() const {
    std::vector<AccessibleItem> items;
    AccessibleItem it;
    for (const auto& c : owned_)
        if (c->EffectivelyVisible() && AccessibleItemOf(c.get(), &it)) items.push_back(it);
    // Reading order: line by line from the top, each from the left.
    std::stable_sort(items.begin(), items.end(), [](const AccessibleItem& a, const AccessibleItem& b) {
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });
    return items;
}

Control* Form::AccessibleFocus() const {
    const Control* f = focused_;
    if (f && f->focusShownOn_ && f->focusShownOn_->alive_) f = f->focusShownOn_;
    return const_cast<Control*>(AccessibleOwner(f));
}

bool Form::DoAccessibleAction(int id) {
    Control* c = ByChildId(id);
    if (!c || (c->role_ != Role::PushButton && c->role_ != Role::RadioButton) || !c->Usable() || blockCount_ > 0)
        return false;
    c->Press();
    return true;
}

bool Form::FocusAccessible(int id) {
    Control* c = ByChildId(id);
    if (!c || c->role_ == Role::None) return false;
    Control* target = c->TabStop() ? c : nullptr;
    if (c->role_ == Role::PushButton)
        for (const auto& p : owned_)
            if (p->focusShownOn_ == c && p->Usable()) target = p.get();
    if (target) target->SetFocus();
    return target && focused_ == target;
}

void Form::Announce(const Control* c, AccessEvent what) {
    if (!loaded_ || unloading_ || !c) return;
    GetBackend().Announce(*this, *const_cast<Control*>(c), what);
}

Form::AccessWatch::AccessWatch(Form* form, const Control* c) : form_(form) {
    if (!form_ || !form_->loaded_) return;
    const Control* items[2] = {form_->AccessibleOwner(c),
                               c->focusShownOn_ ? form_->AccessibleOwner(c->focusShownOn_) : nullptr};
    for (const Control* item : items)
        if (item && count_ < 2 && form_->AccessibleItemOf(item, &before_[count_])) ++count_;
}

// What a reader follows: an item that came or went, its name, its state
// (but the focus and the showing, which have their own events), its value,
// and the place of the item with the focus.
Form::AccessWatch::~AccessWatch() {
    for (int i = 0; i < count_; ++i) {
        const AccessibleItem& was = before_[i];
        AccessibleItem now;
        if (!form_->AccessibleItemOf(was.control, &now)) continue;
        bool shown = !(now.state & kAccInvisible), wasShown = !(was.state & kAccInvisible);
        if (shown != wasShown) form_->Announce(now.control, shown ? AccessEvent::Show : AccessEvent::Hide);
        if (!shown) continue;
        // A new control's first text is part of its coming.
        if (now.name != was.name && !was.name.empty()) form_->Announce(now.control, AccessEvent::NameChange);
        if ((now.state | kAccFocused | kAccInvisible) != (was.state | kAccFocused | kAccInvisible))
            form_->Announce(now.control, AccessEvent::StateChange);
        if (now.value != was.value) form_->Announce(now.control, AccessEvent::ValueChange);
        bool moved = now.rect.left != was.rect.left || now.rect.top != was.rect.top ||
                     now.rect.right != was.rect.right || now.rect.bottom != was.rect.bottom;
        if (moved && form_->AccessibleFocus() == now.control) form_->Announce(now.control, AccessEvent::LocationChange);
    }
}

}  // namespace ui
