// The presses of the page sequence: Forward, Cancel and Finish of the current
// page, and the answer of a Repeat/Cancel message.
#pragma once

namespace Clicks {

// Carries out Forward on Rs.CurrentPage and shows the next page.
void ForwardClick();
// Page 1 ends the run; pages 2-5 and 7 ask first (frmQueryCancel); others nothing.
void CancelClick();
// The message dialog was left with Repeat or Cancel: MessageButtons back to 0,
// the dialog unloaded.
void MessageClosed();
// Finish on the last page: EndWizard.
void FinishClick();

}  // namespace Clicks
