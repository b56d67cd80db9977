// Page 1: asks the user to close other programs. Forward starts the page
// sequence proper (its unload brings up the main window); Cancel ends the run.
#pragma once

#include "dialogs/FormParts.h"
#include "platform/ui/Ui.h"

namespace frmCloseApp {

// The controls of the design, set afresh by each load of the window.
struct Controls : FormParts::DialogControls {
    FormParts::ControlRef Cancel, lblCancel, Forward, lblForward;
};

ui::Form& Instance();
// Its controls; loads the window.
const Controls& Ctl();
// Loads and shows the window (not modal).
void Show();

// Event handlers.
void Form_Load();
void Form_QueryUnload(bool& cancel, int mode);
void Form_Unload(bool& cancel);
void Forward_Click();
void Cancel_Click();
void Timer_Timer();
void DebugImg_MouseDown(const ui::MouseArgs& args);

}  // namespace frmCloseApp
