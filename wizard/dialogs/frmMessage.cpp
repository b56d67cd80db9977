// Placeholder until the dialog itself lands: a stopping message ends the run.
#include "dialogs/frmMessage.h"

#include "core/ProgramEnd.h"
#include "core/RunState.h"

namespace frmMessage {

void ShowModal() {
    if (Rs.MessageButtons == 0) ProgramEnd::AbortWizard();
    Rs.MessageRepeat = false;
}

}  // namespace frmMessage
