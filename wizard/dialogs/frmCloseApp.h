// Page 1: asks the user to close other programs. Forward starts the page
// sequence proper (its unload brings up the main window); Cancel ends the run.
#pragma once

#include "platform/ui/Ui.h"

namespace frmCloseApp {

ui::Form& Instance();
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
