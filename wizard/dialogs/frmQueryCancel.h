// The cancel query of pages 2 to 5 and 7, shown without modality over the
// page area: Back (Enter) returns to the wizard, Cancel (Esc) ends the run.
#pragma once

#include "platform/ui/Ui.h"

namespace frmQueryCancel {

ui::Form& Instance();
// Loads and shows the query (not modal).
void Show();

// Event handlers.
void Form_Load();
void Form_QueryUnload(bool& cancel, int mode);
void Back_Click();
void Cancel_Click();
void Timer_Timer();
void DebugImg_MouseDown(const ui::MouseArgs& args);

}  // namespace frmQueryCancel
