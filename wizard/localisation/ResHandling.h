// The language library and the lookup of language strings with their
// placeholders filled.
#pragma once

#include <cstdint>
#include <string>

namespace ResHandling {

// Loads LanguageCode + ".dll", else "en.dll", from the program directory into
// Rs.LanguageLibrary; with neither present shows message 9999, which ends the run.
void LoadLanguageLibrary();

// The text of a language-string id (9999 from the program's own string table)
// with the placeholders replaced; "" for an id that the library lacks.
std::wstring GetLanguageString(int16_t id);

// The string the build puts into a library whose catalogue is written right
// to left ("rtl"); no text id.
constexpr uint32_t kDirectionId = 9;
// The loaded library is of a right-to-left language (its table holds
// kDirectionId): the windows are laid out from the right.
bool RightToLeft();

}  // namespace ResHandling
