// Selection of the option images of pages 2 and 4: the faces of both options
// of a page and the choice recorded in the run state.
#pragma once

#include "platform/ui/Ui.h"

namespace optionclick {

// Page 2: `option` is optIRDA or optNoIRDA. Sets UseIrDA and
// ConnectionChoiceName; the Windows 2000 note shows with infrared only.
void SelectIRDAOption(ui::Control& option);

// Page 4: `option` is optCom or optManCom. Sets AutoPortSearch and
// PortChoiceName.
void SelectComOption(ui::Control& option);

// The keyboard of both pages: the option texts take the focus, one per page
// at a time, that of the chosen option (or the first enabled one when the
// chosen option is disabled); it follows each selection while it is there.
// A key on the text with the focus: Up/Left and Down/Right click the
// previous or next enabled option of the page, as the mouse would (nothing
// past either end), Space the option of the text. False for any other key.
bool OptionKey(ui::Control& text, int key);
// The page's options take the focus (as the page opens).
void FocusOptions();

}  // namespace optionclick
