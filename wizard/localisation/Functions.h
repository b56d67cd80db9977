// Fonts and character sets of the labels that show language strings.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/Ui.h"

namespace Functions {

// Smallest size the shrinking goes down to; a text that does not fit even at
// this size is set at it.
constexpr float kMinFontSize = 1.0f;

// Sets label's caption to text in "Arial" with the character set of the
// system code page, lowering the label's font one point at a time until the
// text, measured with form's font, is no wider than the label. The form's
// font takes the label's face, bold, italic and size (not its charset).
void SetLabelText(ui::Control& label, const std::wstring& text, ui::Form& form);

// Font character set for a system code page given as decimal text; 0
// (ANSI_CHARSET) for any code page not in the table.
int16_t CharsetFromCodePage(const std::wstring& codePage);

}  // namespace Functions
