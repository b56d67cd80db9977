// The message dialog: shows language string Rs.MessageId with a single OK
// (Rs.MessageButtons 0, which ends the run) or Repeat and Cancel (5, answer
// in Rs.MessageRepeat).
#pragma once

namespace frmMessage {

// Loads and shows the dialog modally, with no owner; returns when it has been
// unloaded. In layout 0 it does not return: every way out ends the run.
void ShowModal();

}  // namespace frmMessage
