#include "choice/CreateIRDAChoice.h"

#include "choice/ChoiceParts.h"
#include "choice/optionclick.h"
#include "core/RunState.h"
#include "resources/resource_ids.h"

namespace CreateIRDAChoice {

using ChoiceParts::BesideOf;
using ChoiceParts::LeftOf;

void BuildIRDAChoice() {
    ui::Control* heading = ChoiceParts::Heading(2010);
    ui::Control* optNoIRDA = ChoiceParts::Option(L"OptNoIRDA", LeftOf(heading), heading, 20);
    ui::Control* lblNoIRDA = ChoiceParts::OptionText(L"lblNoIRDA", 2011, BesideOf(optNoIRDA), optNoIRDA);
    ui::Control* optIRDA = ChoiceParts::Option(L"OptIRDA", ChoiceParts::PageLabel().Left(), lblNoIRDA, 30);
    ui::Control* lblIRDA = ChoiceParts::OptionText(L"lblIRDA", 2012, LeftOf(lblNoIRDA), optIRDA);
    ui::Control* lblText = ChoiceParts::Text(L"lblText", 2006, LeftOf(lblNoIRDA));
    if (lblText) {
        if (lblIRDA) lblText->SetTop(lblIRDA->Top() + lblIRDA->Height() + 20);
        lblText->SetVisible(false);
    }

    if (!Rs.IrDAPresent) {
        if (optIRDA) {
            optIRDA->SetPicture(IDB_OPTION_GREY);
            optIRDA->SetEnabled(false);
        }
        if (lblIRDA) lblIRDA->SetEnabled(false);  // drawn grey
    }

    // The remembered choice, even on an infrared option just disabled: the
    // user picked it on an earlier visit and the page sequence follows it.
    if (ui::SameName(Rs.ConnectionChoiceName, L"optIRDA")) {
        if (optIRDA) optionclick::SelectIRDAOption(*optIRDA);
        if (lblText && Rs.OsName == L"Win2K") lblText->SetVisible(true);
    } else if (optNoIRDA) {
        optionclick::SelectIRDAOption(*optNoIRDA);
    }
}

void RemoveIRDAChoice() {
    ChoiceParts::Remove({L"lblNext", L"optIRDA", L"lblIRDA", L"optNoIRDA", L"lblNoIRDA", L"lblText"});
}

}  // namespace CreateIRDAChoice
