#include "choice/optionclick.h"

#include "choice/ChoiceParts.h"
#include "choice/OptionGroups.h"
#include "core/RunState.h"

namespace optionclick {

void SelectIRDAOption(ui::Control& option) {
    if (!option.IsAlive()) return;  // a control already removed selects nothing
    OptionGroups::ShowChosen(option);
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
    OptionGroups::ShowChosen(option);  // optCom is never disabled
    Rs.PortChoiceName = option.Name();
    Rs.AutoPortSearch = ui::SameName(option.Name(), L"optCom");
}

}  // namespace optionclick
