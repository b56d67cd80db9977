#include "choice/ChoiceParts.h"

#include "core/FormHandling.h"
#include "core/frmMain.h"
#include "localisation/Functions.h"
#include "localisation/ResHandling.h"
#include "resources/resource_ids.h"

namespace ChoiceParts {

namespace {

// The look of every choice text: fixed, not the language's caption font
// (in the character set of the texts).
const ui::Font kChoiceFont{L"MS Sans Serif", 10, false, false, 0};

ui::Control* NewLabel(const wchar_t* name) {
    ui::Control* label = Create(ui::Kind::Label, name);
    if (!label) return nullptr;
    Functions::UseTextScript(*label, &kChoiceFont);
    label->SetForeColor(ui::kBlack);
    label->SetBackStyle(0);
    label->SetAutoSize(true);
    label->SetWordWrap(true);
    return label;
}

}  // namespace

ui::Control* Find(const wchar_t* name) { return FormHandling::MainForm().Find(name); }

ui::Control& PageLabel() { return *frmMain::Ctl().Label; }

ui::Control* Create(ui::Kind kind, const wchar_t* name) {
    ui::Form& form = FormHandling::MainForm();
    ui::Control* c = form.Add(kind, name, &*frmMain::Ctl().picPage);
    if (!c) return nullptr;
    Functions::UseTextScript(*c);  // the port list's font
    frmMain::AttachEvents(*c);
    return c;
}

ui::Control* Heading(int16_t textId) {
    ui::Control* heading = NewLabel(L"lblNext");
    if (!heading) return nullptr;
    ui::Control& label = PageLabel();
    heading->SetLeft(label.Left());
    heading->SetTop(label.Top());
    heading->SetWidth(label.Width());
    heading->SetVisible(true);
    heading->SetCaption(ResHandling::GetLanguageString(textId));
    return heading;
}

ui::Control* Option(const wchar_t* name, std::optional<float> left, const ui::Control* above, float gap) {
    ui::Control* option = Create(ui::Kind::Image, name);
    if (!option) return nullptr;
    option->SetStretch(false);  // sized by its face
    option->SetPicture(IDB_OPTION_GREY);
    if (left) option->SetLeft(*left);
    if (above) option->SetTop(above->Top() + above->Height() + gap);
    option->SetBorderStyle(0);
    option->SetVisible(true);
    return option;
}

ui::Control* Text(const wchar_t* name, int16_t textId, std::optional<float> left) {
    ui::Control* text = NewLabel(name);
    if (!text) return nullptr;
    text->SetCaption(ResHandling::GetLanguageString(textId));
    if (left) text->SetLeft(*left);
    text->SetWidth(PageLabel().Width() - text->Left());
    return text;
}

ui::Control* OptionText(const wchar_t* name, int16_t textId, std::optional<float> left, const ui::Control* option) {
    ui::Control* text = Text(name, textId, left);
    if (!text) return nullptr;
    if (option) text->SetTop(option->Top() + (option->Height() - text->Height()) / 2);
    text->SetVisible(true);
    return text;
}

std::optional<float> LeftOf(const ui::Control* c) {
    if (!c) return std::nullopt;
    return c->Left();
}

std::optional<float> BesideOf(const ui::Control* option) {
    if (!option) return std::nullopt;
    return option->Left() + option->Width() + 5;
}

void Remove(std::initializer_list<const wchar_t*> names) {
    ui::Form& form = FormHandling::MainForm();
    for (const wchar_t* name : names) form.Remove(name);
}

}  // namespace ChoiceParts
