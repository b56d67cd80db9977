// Showing and hiding the wizard's pages (1 to 7, 14; 15 is the message dialog).
#pragma once

#include <cstdint>

namespace FormHandling {

void ShowPage(int16_t page);
// Removes what the page shows before the next one is built.
void HidePage(int16_t page);

}  // namespace FormHandling
