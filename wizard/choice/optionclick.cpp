#include "choice/optionclick.h"

#include "choice/ChoiceParts.h"
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

}  // namespace

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
}

void SelectComOption(ui::Control& option) {
    if (!option.IsAlive()) return;
    ShowSelected(L"optCom", L"optManCom", option);  // optCom is never disabled
    Rs.PortChoiceName = option.Name();
    Rs.AutoPortSearch = ui::SameName(option.Name(), L"optCom");
}

}  // namespace optionclick
