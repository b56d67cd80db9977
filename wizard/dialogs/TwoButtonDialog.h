// What the two dialogs with two picture buttons share: the close-other-programs
// window of page 1 and the cancel query. Both are shown without modality,
// Enter presses the left or right button that their design gave to
// DefaultButton, and their load differs only in pictures and texts.
#pragma once

#include <cstdint>

#include "dialogs/FormParts.h"
#include "platform/ui/Ui.h"

namespace TwoButtonDialog {

// A picture button of the dialog and the language text of its caption.
struct Button {
    const FormParts::ControlRef& image;
    const FormParts::ControlRef& caption;
    int16_t textId;
};

// Form_Load of either dialog: the background bitmap stretched over the
// dialog, the version, the button faces and captions, the message text; then
// the dialog is shown (on the main window's page area when onPageArea), the
// focus goes to DefaultButton and the dialog becomes topmost, or leaves the
// band where topMost is false.
void Load(ui::Form& form, const FormParts::DialogControls& controls, int background, const Button& left,
          const Button& right, int16_t textId, bool onPageArea, bool topMost);

// Shows the dialog; a first showing loads it, and its load shows it.
void Show(ui::Form& form);

}  // namespace TwoButtonDialog
