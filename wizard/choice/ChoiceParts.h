// Building blocks of the run-time choice pages (connection type, port search,
// port list): controls created inside picPage of the main window and wired to
// its click handlers, the common label look, and the option geometry.
//
// Every helper skips what it cannot do: a name still in use gives no control
// (null), and a placement that needs a missing control is left out.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "platform/ui/Ui.h"

namespace ChoiceParts {

// A control of that window by name, or null (does not load it).
ui::Control* Find(const wchar_t* name);
// The page text label whose place the choice pages take.
ui::Control& PageLabel();

// A new control in picPage, connected to the main window's handlers.
ui::Control* Create(ui::Kind kind, const wchar_t* name);
// The heading "lblNext" at the page text's place, with the language text.
ui::Control* Heading(int16_t textId);
// An option image with the grey face, at `left`, `gap` pixels below `above`.
ui::Control* Option(const wchar_t* name, std::optional<float> left, const ui::Control* above, float gap);
// A text label with the language text at `left`, reaching to the page text's
// width. The text goes in first so that the height already follows the wrap
// at the final width when the caller places it.
ui::Control* Text(const wchar_t* name, int16_t textId, std::optional<float> left);
// A visible text beside an option image, centred on it by its wrapped height.
ui::Control* OptionText(const wchar_t* name, int16_t textId, std::optional<float> left, const ui::Control* option);

// Left of a control, or none when it is missing.
std::optional<float> LeftOf(const ui::Control* c);
// Where the text of an option image starts: 5 pixels right of the image.
std::optional<float> BesideOf(const ui::Control* option);

// Removes the named controls from the window; missing names are passed over.
void Remove(std::initializer_list<const wchar_t*> names);

}  // namespace ChoiceParts
