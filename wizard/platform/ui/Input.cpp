// Input dispatch: what the window system reports for a form (mouse, keys,
// timer ticks, button and list notifications, focus, moves, close requests)
// turned into the events of its controls.
#include <cmath>

#include "platform/ui/Form.h"

namespace ui {

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

// A control under the pointer at the button's press keeps the mouse until
// that button is released: it gets the moves and the release, and a click
// when the left button comes up over it again.
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
    float cx = 0, cy = 0, inner = clientWidth_;
    if (target->container_) {
        cx = target->container_->InnerOriginX();
        cy = target->container_->InnerOriginY();
        inner = target->container_->ScaleWidth();
    }
    a.x = static_cast<float>(x) - cx;
    if (rightToLeft_) a.x = inner - a.x;
    a.y = static_cast<float>(y) - cy;
    switch (ev) {
        case MouseEvent::Down: target->FireMouse(target->OnMouseDown, a); break;
        case MouseEvent::Move: target->FireMouse(target->OnMouseMove, a); break;
        case MouseEvent::Up:
            if (clicked) target->Fire(target->OnClick);
            break;
    }
}

void Form::DispatchCaptureLost() {
    captured_ = nullptr;
    capturedButton_ = 0;
}

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

bool Form::DispatchKey(int key, int shift) {
    if (!loaded_) return false;
    if (key == kKeyTab) {
        MoveFocus((shift & kShiftMask) != 0);
        return true;
    }
    if (key != kKeyReturn && key != kKeyEscape) {
        // Right to left, the next of a row lies to the left (as in the
        // mirrored windows of Hebrew and Arabic Windows).
        if (rightToLeft_ && (key == kKeyLeft || key == kKeyRight)) key = key == kKeyLeft ? kKeyRight : kKeyLeft;
        Control* f = focused_;
        if (!f || f->IsWindowed() || !f->OnKeyDown || !f->Usable()) return false;
        KeyHandler handler = f->OnKeyDown;
        return handler(key);
    }
    Control* b = key == kKeyReturn ? DefaultButton() : CancelButton();
    if (!b) return false;
    b->Press();
    return true;
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

bool Form::DispatchClose(int mode) { return UnloadWith(mode); }

bool Form::DispatchQueryEndSession() {
    bool cancel = false;
    if (OnQueryEndSession) {
        auto query = OnQueryEndSession;
        query(cancel);
    }
    return !cancel;
}

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

// The form's hourglass covers everything; otherwise a control's own pointer
// wins over the form's, with the form's cursor resource for kPointerCustom.
void Form::CursorAt(int x, int y, int* pointer, int* cursorResourceId) const {
    *pointer = mousePointer_;
    *cursorResourceId = mouseIcon_;
    if (mousePointer_ == kPointerHourglass) return;
    Control* c = HitTest(static_cast<float>(x), static_cast<float>(y));
    if (c && c->mousePointer_ != kPointerDefault) *pointer = c->mousePointer_;
}

}  // namespace ui
