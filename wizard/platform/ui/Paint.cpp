// The paint of a form: its colour, then every windowless control back to
// front, each clipped to its own rectangle; a picture box replays the drawing
// it keeps and paints its children inside its frame.
#include <algorithm>
#include <cmath>

#include "platform/ui/Backend.h"
#include "platform/ui/Form.h"
#include "platform/ui/Text.h"

namespace ui {

namespace {

const Color kGrayText = Rgb(128, 128, 128);

void PaintLabel(Canvas& canvas, const Control& c) {
    Color color = c.EffectivelyEnabled() ? c.ForeColor() : kGrayText;
    const std::vector<std::wstring>& lines = c.Lines();
    std::vector<Rect> rects = c.LineRects();
    for (size_t i = 0; i < lines.size(); ++i)
        canvas.DrawText(c.GetFont(), color, rects[i], lines[i], true, c.RightToLeft(), c.TextAlignment());
}

// A picture box's drawing, mirrored in its inner area where the form lays
// out right to left (a progress bar fills from the right); its texts read
// left to right.
void PaintDrawing(Canvas& canvas, const std::vector<DrawOp>& ops, const Rect& inner, bool mirrored) {
    Backend& b = GetBackend();
    auto place = [&inner, mirrored](int x, int w) { return mirrored ? inner.right - x - w : inner.left + x; };
    for (const DrawOp& op : ops) {
        if (op.type == DrawOp::Box) {
            int x1 = RoundPixel(std::min(op.x1, op.x2)), x2 = RoundPixel(std::max(op.x1, op.x2));
            int y1 = RoundPixel(std::min(op.y1, op.y2)), y2 = RoundPixel(std::max(op.y1, op.y2));
            int left = place(x1, x2 + 1 - x1);
            Rect box{left, inner.top + y1, left + x2 + 1 - x1, inner.top + y2 + 1};
            if (op.filled)
                canvas.FillRect(box, op.color);
            else
                canvas.FrameRect(box, op.color);
            continue;
        }
        float lh = b.LineHeight(op.font);
        int h = static_cast<int>(std::ceil(lh)), i = 0;
        for (const auto& line : text::SplitLines(op.text)) {
            int w = static_cast<int>(std::ceil(b.TextWidth(op.font, line)));
            int x = place(RoundPixel(op.x1), w), y = inner.top + RoundPixel(op.y1 + lh * static_cast<float>(i));
            canvas.DrawText(op.font, op.color, Rect{x, y, x + w, y + h}, line, false, false, kAlignLeft);
            ++i;
        }
    }
}

}  // namespace

void Form::Paint(Canvas& canvas) const {
    if (!loaded_) return;
    canvas.FillRect(Rect{0, 0, RoundPixel(clientWidth_), RoundPixel(clientHeight_)}, backColor_);
    PaintChildren(canvas, children_);
    Rect mark;
    if (FocusMarkRect(&mark)) canvas.FocusMark(mark);
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

void Form::PaintChildren(Canvas& canvas, const std::vector<Control*>& list) const {
    for (Control* c : list) {
        if (!c->visible_ || c->kind_ == Kind::Timer || c->IsWindowed()) continue;
        Rect r = c->FormRect();
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        canvas.PushClip(r);
        switch (c->kind_) {
            case Kind::Label:
                if (c->backStyle_ == 1) canvas.FillRect(r, c->backColor_);
                PaintLabel(canvas, *c);
                break;
            case Kind::Image:
                if (c->picture_) canvas.DrawPicture(c->picture_, r, c->stretch_);
                break;
            case Kind::PictureBox: {
                canvas.FillRect(r, c->backColor_);
                if (c->picture_) canvas.DrawPicture(c->picture_, r, false);
                int frame = RoundPixel(c->BorderWidth());
                if (frame) canvas.FrameRect(r, c->foreColor_);
                Rect inner{r.left + frame, r.top + frame, r.right - frame, r.bottom - frame};
                canvas.PushClip(inner);
                PaintDrawing(canvas, c->ops_, inner, rightToLeft_);
                PaintChildren(canvas, c->children_);
                canvas.PopClip();
                break;
            }
            default: break;
        }
        canvas.PopClip();
    }
}

}  // namespace ui
