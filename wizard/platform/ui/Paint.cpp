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

void PaintLabel(Canvas& canvas, const Control& c, const Rect& r, const Font& font, int alignment, Color color) {
    Backend& b = GetBackend();
    float lh = b.LineHeight(font);
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

Rect BoxOf(const DrawOp& op, const Rect& inner) {
    int x1 = RoundPixel(std::min(op.x1, op.x2)), x2 = RoundPixel(std::max(op.x1, op.x2));
    int y1 = RoundPixel(std::min(op.y1, op.y2)), y2 = RoundPixel(std::max(op.y1, op.y2));
    return Rect{inner.left + x1, inner.top + y1, inner.left + x2 + 1, inner.top + y2 + 1};
}

void PaintPrint(Canvas& canvas, const DrawOp& op, const Rect& inner, Color color) {
    float lh = GetBackend().LineHeight(op.font);
    int i = 0;
    for (const auto& line : text::SplitLines(op.text)) {
        int x = inner.left + RoundPixel(op.x1), y = inner.top + RoundPixel(op.y1 + lh * static_cast<float>(i));
        canvas.DrawText(op.font, color, TextBox(x, y, op.font, line, false), line, false);
        ++i;
    }
}

// High Contrast: boxes in the highlight colour, texts in the window text's,
// and where a filled box lies under a text, that part of it in the
// highlighted text's colour (as the system's progress bar does).
void PaintDrawing(Canvas& canvas, const std::vector<DrawOp>& ops, const Rect& inner, bool highContrast) {
    for (const DrawOp& op : ops) {
        if (op.type == DrawOp::Text) {
            PaintPrint(canvas, op, inner, highContrast ? kSysWindowText : op.color);
            continue;
        }
        Color color = highContrast ? kSysHighlight : op.color;
        if (op.filled)
            canvas.FillRect(BoxOf(op, inner), color);
        else
            canvas.FrameRect(BoxOf(op, inner), color);
    }
    if (!highContrast) return;
    for (const DrawOp& box : ops) {
        if (box.type != DrawOp::Box || !box.filled) continue;
        canvas.PushClip(BoxOf(box, inner));
        for (const DrawOp& op : ops)
            if (op.type == DrawOp::Text) PaintPrint(canvas, op, inner, kSysHighlightText);
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
                PaintLabel(canvas, *c, r, c->font_, c->alignment_, LabelColor(*c, highContrast));
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
                PaintDrawing(canvas, c->ops_, inner, highContrast);
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
