// The paint of a form: its colour, then every windowless control back to
// front, each clipped to its own rectangle; a picture box replays the drawing
// it keeps and paints its children inside its frame.
#include <algorithm>
#include <cmath>

#include "platform/sys/Ui.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"
#include "platform/ui/Text.h"

namespace ui {

namespace {

const Color kGrayText = Rgb(128, 128, 128);

void PaintLabel(Canvas& canvas, const Control& c, Color color) {
    const std::vector<std::wstring>& lines = c.Lines();
    std::vector<Rect> rects = c.LineRects();
    for (size_t i = 0; i < lines.size(); ++i)
        canvas.DrawText(c.GetFont(), color, rects[i], lines[i], true, c.RightToLeft(), c.TextAlignment());
}

// A picture box's drawing is mirrored in its inner area where the form lays
// out right to left (a progress bar fills from the right); its texts read
// left to right.
Rect BoxOf(const DrawOp& op, const Rect& inner, bool mirrored) {
    int x1 = RoundPixel(std::min(op.x1, op.x2)), x2 = RoundPixel(std::max(op.x1, op.x2));
    int y1 = RoundPixel(std::min(op.y1, op.y2)), y2 = RoundPixel(std::max(op.y1, op.y2));
    int w = x2 + 1 - x1, left = mirrored ? inner.right - x1 - w : inner.left + x1;
    return Rect{left, inner.top + y1, left + w, inner.top + y2 + 1};
}

void PaintPrint(Canvas& canvas, const DrawOp& op, const Rect& inner, Color color, bool mirrored) {
    Backend& b = GetBackend();
    float lh = b.LineHeight(op.font);
    int h = static_cast<int>(std::ceil(lh)), i = 0;
    for (const auto& line : text::SplitLines(op.text)) {
        int w = static_cast<int>(std::ceil(b.TextWidth(op.font, line)));
        int x = mirrored ? inner.right - RoundPixel(op.x1) - w : inner.left + RoundPixel(op.x1);
        int y = inner.top + RoundPixel(op.y1 + lh * static_cast<float>(i));
        canvas.DrawText(op.font, color, Rect{x, y, x + w, y + h}, line, false, false, kAlignLeft);
        ++i;
    }
}

// High Contrast: boxes in the highlight colour, texts in the window text's,
// and where a filled box lies under a text, that part of it in the
// highlighted text's colour (as the system's progress bar does).
void PaintDrawing(Canvas& canvas, const std::vector<DrawOp>& ops, const Rect& inner, bool mirrored, bool highContrast) {
    for (const DrawOp& op : ops) {
        if (op.type == DrawOp::Text) {
            PaintPrint(canvas, op, inner, highContrast ? kSysWindowText : op.color, mirrored);
            continue;
        }
        Color color = highContrast ? kSysHighlight : op.color;
        if (op.filled)
            canvas.FillRect(BoxOf(op, inner, mirrored), color);
        else
            canvas.FrameRect(BoxOf(op, inner, mirrored), color);
    }
    if (!highContrast) return;
    for (const DrawOp& box : ops) {
        if (box.type != DrawOp::Box || !box.filled) continue;
        canvas.PushClip(BoxOf(box, inner, mirrored));
        for (const DrawOp& op : ops)
            if (op.type == DrawOp::Text) PaintPrint(canvas, op, inner, kSysHighlightText, mirrored);
        canvas.PopClip();
    }
}

}  // namespace

void Form::Paint(Canvas& canvas) const {
    if (!loaded_) return;
    bool highContrast = sys::HighContrastOn();
    canvas.FillRect(Rect{0, 0, RoundPixel(clientWidth_), RoundPixel(clientHeight_)},
                    highContrast ? kSysWindow : backColor_);
    PaintChildren(canvas, children_, highContrast);
    Rect mark;
    if (FocusMarkRect(&mark)) canvas.FocusMark(mark);
}

// A label in the user's colours is a button's caption or a text of the
// window, grey where disabled.
Color Form::LabelColor(const Control& c, bool highContrast) const {
    if (!c.EffectivelyEnabled()) return highContrast ? kSysGrayText : kGrayText;
    if (!highContrast) return c.foreColor_;
    const Control* owner = AccessibleOwner(&c);
    return owner && owner->role_ == Role::PushButton ? kSysButtonText : kSysWindowText;
}

// High Contrast keeps of the pictures only what the system would draw
// itself: an option's face as a radio button, a picture button as a push
// button. Backgrounds and the logo go.
void Form::PaintSystemButton(Canvas& canvas, const Control& image, const Rect& r) const {
    const Control* radio = image.partOf_ && image.partOf_->alive_ ? image.partOf_ : nullptr;
    if (radio && radio->face_ == &image)
        canvas.SystemButton(r, Canvas::Button::Radio, radio->checked_, !radio->EffectivelyEnabled());
    else if (image.role_ == Role::PushButton)
        canvas.SystemButton(r, Canvas::Button::Push, false, !image.EffectivelyEnabled());
}

void Form::PaintChildren(Canvas& canvas, const std::vector<Control*>& list, bool highContrast) const {
    for (Control* c : list) {
        if (!c->visible_ || c->kind_ == Kind::Timer || c->IsWindowed()) continue;
        Rect r = c->FormRect();
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        canvas.PushClip(r);
        switch (c->kind_) {
            case Kind::Label:
                if (c->backStyle_ == 1) canvas.FillRect(r, highContrast ? kSysWindow : c->backColor_);
                PaintLabel(canvas, *c, LabelColor(*c, highContrast));
                break;
            case Kind::Image:
                if (highContrast)
                    PaintSystemButton(canvas, *c, r);
                else if (c->picture_)
                    canvas.DrawPicture(c->picture_, r, c->stretch_);
                break;
            case Kind::PictureBox: {
                canvas.FillRect(r, highContrast ? kSysWindow : c->backColor_);
                if (c->picture_ && !highContrast) canvas.DrawPicture(c->picture_, r, false);
                int frame = RoundPixel(c->BorderWidth());
                if (frame) canvas.FrameRect(r, highContrast ? kSysWindowText : c->foreColor_);
                Rect inner{r.left + frame, r.top + frame, r.right - frame, r.bottom - frame};
                canvas.PushClip(inner);
                PaintDrawing(canvas, c->ops_, inner, rightToLeft_, highContrast);
                PaintChildren(canvas, c->children_, highContrast);
                canvas.PopClip();
                break;
            }
            default: break;
        }
        canvas.PopClip();
    }
}

}  // namespace ui
