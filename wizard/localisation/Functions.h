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
// font takes the label's face, bold, italic, size and charset: a text is
// measured in the character set it is drawn in.
void SetLabelText(ui::Control& label, const std::wstring& text, ui::Form& form);

// Font character set for a system code page given as decimal text; 0
// (ANSI_CHARSET) for any code page not in the table.
int16_t CharsetFromCodePage(const std::wstring& codePage);

// The character set of every font that shows a text: that of SystemCodePage
// where the table knows it (the Windows 9x family), otherwise that of the
// system's ANSI code page. On NT 4, 2000 and XP shell32.dll's translation
// carries code page 1200 (Unicode), which names no character set; the texts
// reach GDI in the ANSI code page, so its character set draws them right.
int16_t TextCharset();

// Gives control the character set of TextCharset and the line breaking of
// its code page: between ideographs for Japanese and Chinese, at blanks (and
// at the word marks of a Thai text) for every other script, Korean included.
// With face, the control takes that font first, in the same step: a font set
// on its own would take back the character set.
void UseTextScript(ui::Control& control, const ui::Font* face = nullptr);

}  // namespace Functions
