// Selection of the option images of pages 2 and 4: the faces of both options
// of a page and the choice recorded in the run state. The faces, keys and
// focus that the options share are OptionGroups'.
#pragma once

#include "platform/ui/Ui.h"

namespace optionclick {

// Page 2: `option` is optIRDA or optNoIRDA. Sets UseIrDA and
// ConnectionChoiceName; the Windows 2000 note shows with infrared only.
void SelectIRDAOption(ui::Control& option);

// Page 4: `option` is optCom or optManCom. Sets AutoPortSearch and
// PortChoiceName.
void SelectComOption(ui::Control& option);

}  // namespace optionclick
