#include "choice/OptionGroups.h"

#include <string>

#include "choice/ChoiceParts.h"
#include "core/FormHandling.h"
#include "core/frmMain.h"
#include "resources/resource_ids.h"

namespace OptionGroups {

namespace {

// Top to bottom on each page.
const Row kRows[] = {
    {2, L"optNoIRDA", L"lblNoIRDA", frmMain::optNoIRDA_Click},
    {2, L"optIRDA", L"lblIRDA", frmMain::optIRDA_Click},
    {4, L"optCom", L"lblCom", frmMain::optCom_Click},
    {4, L"optManCom", L"lblManCom", frmMain::optManCom_Click},
};

// The row of an option or of its text, or null.
const Row* RowOf(const std::wstring& name) {
    for (const Row& row : kRows)
        if (ui::SameName(name, row.option) || ui::SameName(name, row.text)) return &row;
    return nullptr;
}

bool Usable(const ui::Control* c) { return c && c->Usable(); }

// An option that can be chosen now: it and its text usable.
bool Offered(const Row& row) { return Usable(ChoiceParts::Find(row.option)) && Usable(ChoiceParts::Find(row.text)); }

// A click as the mouse gives it: none on a disabled option.
void ClickOn(const Row& row) {
    ui::Control* option = ChoiceParts::Find(row.option);
    if (Usable(option) && option->OnClick) {
        ui::Handler click = option->OnClick;
        click();
    }
}

void SettleFocus(const Row& chosen) {
    const Row* stop = Offered(chosen) ? &chosen : nullptr;
    for (const Row& row : kRows)
        if (!stop && row.page == chosen.page && Offered(row)) stop = &row;
    ui::Control* stopText = stop ? ChoiceParts::Find(stop->text) : nullptr;
    ui::Control* focused = FormHandling::MainForm().Focused();
    bool inGroup = false;
    for (const Row& row : kRows) {
        ui::Control* text = row.page == chosen.page ? ChoiceParts::Find(row.text) : nullptr;
        if (!text) continue;
        inGroup = inGroup || text == focused;
        text->SetTabStop(text == stopText);
    }
    if (inGroup && stopText && stopText != focused) stopText->SetFocus();
}

}  // namespace

bool Attach(ui::Control& control) {
    const Row* row = RowOf(control.Name());
    if (!row) return false;
    control.OnClick = row->click;
    if (ui::SameName(control.Name(), row->text)) {
        control.OnKeyDown = [text = &control](int key) { return Key(*text, key); };
        // For a screen reader the text is the radio button, its option the
        // face (made before the text).
        control.SetRole(ui::Role::RadioButton);
        control.SetFace(ChoiceParts::Find(row->option));
    }
    return true;
}

void ShowChosen(ui::Control& option) {
    const Row* chosen = RowOf(option.Name());
    if (!chosen) return;
    for (const Row& row : kRows) {
        ui::Control* face = row.page == chosen->page ? ChoiceParts::Find(row.option) : nullptr;
        if (face && face != &option && face->Enabled()) face->SetPicture(IDB_OPTION_OFF);
    }
    option.SetPicture(IDB_OPTION_ON);
    for (const Row& row : kRows)
        if (ui::Control* text = row.page == chosen->page ? ChoiceParts::Find(row.text) : nullptr)
            text->SetChecked(&row == chosen);
    SettleFocus(*chosen);
}

bool Key(ui::Control& text, int key) {
    const Row* at = RowOf(text.Name());
    if (!at) return false;
    if (key == ui::kKeySpace) {
        ClickOn(*at);
        return true;
    }
    int step = (key == ui::kKeyUp || key == ui::kKeyLeft) ? -1 : (key == ui::kKeyDown || key == ui::kKeyRight) ? 1 : 0;
    if (step == 0) return false;
    // The rows of a page lie together: walk from this one to the page's end.
    const int count = static_cast<int>(sizeof(kRows) / sizeof(kRows[0]));
    for (int i = static_cast<int>(at - kRows) + step; i >= 0 && i < count && kRows[i].page == at->page; i += step)
        if (Offered(kRows[i])) {
            ClickOn(kRows[i]);
            break;
        }
    return true;
}

void Focus() {
    for (const Row& row : kRows)
        if (ui::Control* text = ChoiceParts::Find(row.text); text && text->TabStop()) text->SetFocus();
}

}  // namespace OptionGroups
