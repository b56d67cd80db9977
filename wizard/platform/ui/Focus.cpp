// The keyboard focus of a form: which control has it, where it is marked,
// and Tab's order. Every change of the focus goes through SetFocused.
#include <algorithm>

#include "platform/ui/Form.h"

namespace ui {

Form::FocusMarkMove::FocusMarkMove(Form* form) : form_(form) {
    if (form_) form_->InvalidateFocusMark();
}

Form::FocusMarkMove::~FocusMarkMove() {
    if (form_) form_->InvalidateFocusMark();
}

void Form::SetFocused(Control* c) {
    if (c == focused_) return;
    {
        FocusMarkMove move(this);
        focused_ = c;
    }
    Announce(AccessibleFocus(), AccessEvent::Focus);
}

void Form::DispatchFocus(int childId) {
    if (childId == 0 && focused_ && !focused_->IsWindowed()) return;
    SetFocused(childId ? ByChildId(childId) : nullptr);
}

bool Form::MarksFocusOn(const Control* c) const {
    return c && focused_ && (focused_ == c || focused_->focusShownOn_ == c);
}

void Form::InvalidateFocusMark() {
    Rect r;
    if (FocusMarkRect(&r)) Invalidate(r);
}

// A windowless control's mark goes around its text (a label: one pixel wider
// on either side, as a radio button's) or inside its picture (four pixels
// in, within the picture button's frame, as a push button's).
bool Form::FocusMarkRect(Rect* out) const {
    const Control* f = focused_;
    if (!loaded_ || !f || !f->alive_ || !f->EffectivelyEnabled()) return false;
    const Control* shown = f->focusShownOn_ && f->focusShownOn_->alive_ ? f->focusShownOn_ : f;
    if (shown->IsWindowed() || !shown->EffectivelyVisible()) return false;
    Rect r = shown->FormRect();
    if (shown->kind_ == Kind::Label) {
        std::vector<Rect> lines = shown->LineRects();
        r = lines.front();
        for (const Rect& l : lines) r = Rect{std::min(r.left, l.left), r.top, std::max(r.right, l.right), l.bottom};
        r.left -= 1;
        r.right += 1;
    } else {
        r = Rect{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
    }
    if (r.Width() <= 0 || r.Height() <= 0) return false;
    *out = r;
    return true;
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    for (const auto& c : owned_)
        if (c->TabStop() && c->Usable()) order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex_ < b->tabIndex_; });
    return order;
}

void Form::MoveFocus(bool back) {
    std::vector<Control*> order = TabOrder();
    if (order.empty()) return;
    size_t i = std::find(order.begin(), order.end(), focused_) - order.begin();
    size_t next = i == order.size() ? 0 : (back ? (i + order.size() - 1) : (i + 1)) % order.size();
    order[next]->SetFocus();
}

}  // namespace ui
