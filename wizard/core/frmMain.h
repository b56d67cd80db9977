// The main window: full screen, black around the 800 x 600 background, with
// the 460 x 447 page area picPage that shows pages 2 to 14. Picture buttons
// Forward, Cancel and Finish (with off-screen keyboard proxies) forward their
// presses to the page sequence; the watch timers of the companion programs
// live here.
#pragma once

#include <cstdint>

#include "dialogs/FormParts.h"
#include "platform/ui/Ui.h"

namespace frmMain {

// The controls of the design, set afresh by each load of the window. The
// choice controls that pages 2, 4 and 5 create at run time are not among
// them: those are found by name.
struct Controls {
    FormParts::ControlRef imgFullscreen, picPage, Image1, Label, Progressbar, trglabel, Version, Timer;
    FormParts::ControlRef Cancel, lblCancel, Finish, lblFinish, Forward, lblForward, DebugImg;
    FormParts::ControlRef CancelButton, FinishButton, ForwardButton;
    FormParts::ControlRef InstallTimer, IrDATimer, dummyTimer;
};

// The one main window of the program (not loaded until first use).
ui::Form& Instance();
// Its controls; loads the window.
const Controls& Ctl();

// Last "trigger" value read from the exchange file by the watch timers.
extern int16_t ProgressValue;

// Screen position of the page area's top-left corner; false (and nothing
// set) while the window is not loaded. Does not load it.
bool PageAreaOnScreen(int32_t* x, int32_t* y);

// Connects a control created at run time on picPage (option images, their
// texts, the port list) to its handler below, by name: the options through
// their table in OptionGroups.
void AttachEvents(ui::Control& control);

// Event handlers.
void Form_Load();
void Form_QueryUnload(bool& cancel, int mode);
void Forward_Click();
void Cancel_Click();
void Finish_Click();
void Forward_MouseMove(const ui::MouseArgs& args);
void Cancel_MouseMove(const ui::MouseArgs& args);
void Finish_MouseMove(const ui::MouseArgs& args);
void Timer_Timer();
void DebugImg_MouseDown(const ui::MouseArgs& args);
void optIRDA_Click();
void optNoIRDA_Click();
void optCom_Click();
void optManCom_Click();
void lstCom_Click();
void dummyTimer_Timer();
void InstallTimer_Timer();
void IrDATimer_Timer();

}  // namespace frmMain
