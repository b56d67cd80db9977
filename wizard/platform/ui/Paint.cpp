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

// GDI on Windows 95, 98 and ME keeps coordinates in 16 bits: a corner past
// 32767 wraps round to a negative one. A line's box is the line's own size,
// and kept in that range.
int Clamp16(int v) { return std::max(-32767, std::min(32767, v)); }

Rect TextBox(int x, int y, const Font& font, const std::wstring& line, bool mnemonic) {
    Backend& b = GetBackend();
    int w = static_cast<int>(std::ceil(b.TextWidth(font, mnemonic ? text::StripMnemonic(line) : line)));
    int h = static_cast<int>(std::ceil(b.LineHeight(font)));
    x = Clamp16(x);
    y = Clamp16(y);
    return Rect{x, y, Clamp16(x + w), Clamp16(y + h)};
}

void PaintLabel(Canvas& canvas, const Control& c, const Rect& r, const Font& font, int alignment) {
    Backend& b = GetBackend();
    float lh = b.LineHeight(font);
    Color color = c.EffectivelyEnabled() ? c.ForeColor() : kGrayText;
    int i = 0;
    for (const auto& line : c.Lines()) {
        float x = static_cast<float>(r.left);
        if (alignment == kAlignCenter) x += (c.Width() - b.TextWidth(font, text::StripMnemonic(line))) / 2;
        canvas.DrawText(font, color,
                        TextBox(RoundPixel(x), r.top + RoundPixel(lh * static_cast<float>(i)), font, line, true), line,
                        true);
        ++i;
    }
}

void PaintDrawing(Canvas& canvas, const std::vector<DrawOp>& ops, const Rect& inner) {
    Backend& b = GetBackend();
    for (const DrawOp& op : ops) {
        if (op.type == DrawOp::Box) {
            int x1 = RoundPixel(std::min(op.x1, op.x2)), x2 = RoundPixel(std::max(op.x1, op.x2));
            int y1 = RoundPixel(std::min(op.y1, op.y2)), y2 = RoundPixel(std::max(op.y1, op.y2));
            Rect box{inner.left + x1, inner.top + y1, inner.left + x2 + 1, inner.top + y2 + 1};
            if (op.filled)
                canvas.FillRect(box, op.color);
            else
                canvas.FrameRect(box, op.color);
            continue;
        }
        float lh = b.LineHeight(op.font);
        int i = 0;
        for (const auto& line : text::SplitLines(op.text)) {
            int x = inner.left + RoundPixel(op.x1), y = inner.top + RoundPixel(op.y1 + lh * static_cast<float>(i));
            canvas.DrawText(op.font, op.color, TextBox(x, y, op.font, line, false), line, false);
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

void Form::PaintChildren(Canvas& canvas, const std::vector<Control*>& list) const {
    for (Control* c : list) {
        if (!c->visible_ || c->kind_ == Kind::Timer || c->IsWindowed()) continue;
        Rect r = c->FormRect();
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        canvas.PushClip(r);
        switch (c->kind_) {
            case Kind::Label:
                if (c->backStyle_ == 1) canvas.FillRect(r, c->backColor_);
                PaintLabel(canvas, *c, r, c->font_, c->alignment_);
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
                PaintDrawing(canvas, c->ops_, inner);
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
