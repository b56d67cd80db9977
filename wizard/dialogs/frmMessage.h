// The message dialog: shows language string Rs.MessageId with a single OK
// (Rs.MessageButtons 0, which ends the run) or Repeat and Cancel (5, answer
// in Rs.MessageRepeat).
#pragma once

#include <cstdint>

#include "dialogs/FormParts.h"
#include "platform/ui/Ui.h"

namespace frmMessage {

// The controls of the design, set afresh by each load of the dialog.
struct Controls : FormParts::DialogControls {
    FormParts::ControlRef Ok, lblOk, Cancel, lblCancel, Repeat, lblRepeat;
};

// Loads and shows the dialog modally, with no owner; returns when it has been
// unloaded. In layout 0 it does not return: every way out ends the run.
void ShowModal();

// Sets Rs.MessageId and shows the dialog as ShowModal does, in the layout of
// Rs.MessageButtons: the start-up refusals, whose OK ends the run.
void ShowMessage(int16_t messageId);

// The program's own unload (after an answer in layout 5).
void Unload();

ui::Form& Instance();
// Its controls; loads the dialog.
const Controls& Ctl();

// Event handlers.
void Form_Load();
void Form_QueryUnload(bool& cancel, int mode);
void Ok_Click();
void Repeat_Click();
void Cancel_Click();
void DefaultButton_Click();
void Timer_Timer();
void DebugImg_MouseDown(const ui::MouseArgs& args);

}  // namespace frmMessage
