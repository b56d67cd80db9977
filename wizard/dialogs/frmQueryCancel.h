// The cancel query of pages 2 to 5 and 7, shown without modality over the
// page area: Back (Enter) returns to the wizard, Cancel (Esc) ends the run.
#pragma once

#include "dialogs/FormParts.h"
#include "platform/ui/Ui.h"

namespace frmQueryCancel {

// The controls of the design, set afresh by each load of the window.
struct Controls : FormParts::DialogControls {
    FormParts::ControlRef Back, lblBack, Cancel, lblCancel;
};

ui::Form& Instance();
// Its controls; loads the window.
const Controls& Ctl();
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
