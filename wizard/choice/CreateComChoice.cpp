#include "choice/CreateComChoice.h"

#include "choice/ChoiceParts.h"
#include "choice/optionclick.h"
#include "core/RunState.h"

namespace CreateComChoice {

using ChoiceParts::BesideOf;
using ChoiceParts::LeftOf;

void BuildComChoice() {
    ui::Control* heading = ChoiceParts::Heading(2020);
    ui::Control* optCom = ChoiceParts::Option(L"OptCom", LeftOf(heading), heading, 30);
    ui::Control* lblCom = ChoiceParts::OptionText(L"lblCom", 2021, BesideOf(optCom), optCom);
    ui::Control* optManCom = ChoiceParts::Option(L"OptManCom", LeftOf(heading), lblCom, 20);
    ChoiceParts::OptionText(L"lblManCom", 2022, BesideOf(optManCom), optManCom);

    ui::Control* chosen = ui::SameName(Rs.PortChoiceName, L"optCom") ? optCom : optManCom;
    if (chosen) optionclick::SelectComOption(*chosen);
}

void RemoveComChoice() { ChoiceParts::Remove({L"lblNext", L"optCom", L"lblCom", L"optManCom", L"lblManCom"}); }

}  // namespace CreateComChoice
