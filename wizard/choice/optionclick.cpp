#include "choice/optionclick.h"

#include "choice/ChoiceParts.h"
#include "core/FormHandling.h"
#include "core/RunState.h"
#include "resources/resource_ids.h"

namespace optionclick {

namespace {

// Both faces to "not selected", the chosen one to "selected". A disabled
// option keeps the face it has (grey since its build).
void ShowSelected(const wchar_t* first, const wchar_t* second, ui::Control& option) {
    ui::Control* a = ChoiceParts::Find(first);
    if (a && a->Enabled()) a->SetPicture(IDB_OPTION_OFF);
    if (ui::Control* b = ChoiceParts::Find(second)) b->SetPicture(IDB_OPTION_OFF);
    option.SetPicture(IDB_OPTION_ON);
}

// The options of each page, top to bottom; the text of "optX" is "lblX".
const wchar_t* const kGroups[][2] = {{L"optNoIRDA", L"optIRDA"}, {L"optCom", L"optManCom"}};

ui::Control* TextOf(const std::wstring& option) { return ChoiceParts::Find((L"lbl" + option.substr(3)).c_str()); }

bool Usable(const ui::Control* c) { return c && c->EffectivelyEnabled() && c->EffectivelyVisible(); }

// Whether `name` is the option's or its text's.
bool OfOption(const std::wstring& name, const wchar_t* option) {
    return ui::SameName(name, option) || ui::SameName(name, L"lbl" + std::wstring(option + 3));
}

// The page whose option or text has that name, or -1.
int GroupOf(const std::wstring& name) {
    for (int g = 0; g < 2; ++g)
        for (const wchar_t* option : kGroups[g])
            if (OfOption(name, option)) return g;
    return -1;
}

int IndexIn(int group, const std::wstring& name) {
    for (int i = 0; i < 2; ++i)
        if (OfOption(name, kGroups[group][i])) return i;
    return -1;
}

// A click as the mouse gives it: none on a disabled option.
void ClickOn(ui::Control& option) {
    ui::Handler click = option.OnClick;
    if (click && Usable(&option)) click();
}

// The page's one tab stop after a selection of `chosen`: its text, or the
// first usable option's when `chosen` is disabled. The focus moves along
// when it was on the page's options.
void SettleFocus(const ui::Control& chosen) {
    int g = GroupOf(chosen.Name());
    if (g < 0) return;
    ui::Control* stop = nullptr;
    ui::Control* chosenText = TextOf(chosen.Name());
    if (Usable(&chosen) && Usable(chosenText)) stop = chosenText;
    for (int i = 0; i < 2 && !stop; ++i) {
        ui::Control* text = TextOf(kGroups[g][i]);
        if (Usable(ChoiceParts::Find(kGroups[g][i])) && Usable(text)) stop = text;
    }
    ui::Control* focused = FormHandling::MainForm().Focused();
    bool inGroup = false;
    for (const wchar_t* option : kGroups[g]) {
        ui::Control* text = TextOf(option);
        if (!text) continue;
        inGroup = inGroup || text == focused;
        text->SetTabStop(text == stop);
    }
    if (inGroup && stop && stop != focused) stop->SetFocus();
}

}  // namespace

bool OptionKey(ui::Control& text, int key) {
    int g = GroupOf(text.Name());
    int at = g < 0 ? -1 : IndexIn(g, text.Name());
    if (at < 0) return false;
    if (key == ui::kKeySpace) {
        if (ui::Control* option = ChoiceParts::Find(kGroups[g][at])) ClickOn(*option);
        return true;
    }
    int step = (key == ui::kKeyUp || key == ui::kKeyLeft) ? -1 : (key == ui::kKeyDown || key == ui::kKeyRight) ? 1 : 0;
    if (step == 0) return false;
    for (int i = at + step; i >= 0 && i < 2; i += step) {
        ui::Control* option = ChoiceParts::Find(kGroups[g][i]);
        if (Usable(option) && Usable(TextOf(kGroups[g][i]))) {
            ClickOn(*option);
            break;
        }
    }
    return true;
}

void FocusOptions() {
    for (const auto& group : kGroups)
        for (const wchar_t* option : group)
            if (ui::Control* text = TextOf(option); text && text->TabStop()) text->SetFocus();
}

void SelectIRDAOption(ui::Control& option) {
    if (!option.IsAlive()) return;  // a control already removed selects nothing
    ShowSelected(L"optIRDA", L"optNoIRDA", option);
    Rs.ConnectionChoiceName = option.Name();
    ui::Control* note = ChoiceParts::Find(L"lblText");
    if (ui::SameName(option.Name(), L"optIRDA")) {
        // The note concerns Windows 2000 only; elsewhere it stays as it is.
        if (note && Rs.OsName == L"Win2K") note->SetVisible(true);
        Rs.UseIrDA = true;
    } else {
        Rs.UseIrDA = false;
        if (note) note->SetVisible(false);
    }
    SettleFocus(option);
}

void SelectComOption(ui::Control& option) {
    if (!option.IsAlive()) return;
    ShowSelected(L"optCom", L"optManCom", option);  // optCom is never disabled
    Rs.PortChoiceName = option.Name();
    Rs.AutoPortSearch = ui::SameName(option.Name(), L"optCom");
    SettleFocus(option);
}

}  // namespace optionclick
