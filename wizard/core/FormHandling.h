// Showing and hiding the wizard's pages (1 to 7, 14; 15 is the message dialog).
#pragma once

#include <cstdint>
#include <string>

namespace ui {
class Form;
}

namespace FormHandling {

// The window that shows pages 2 to 14: Rs.CurrentForm, the main window.
ui::Form& MainForm();

void ShowPage(int16_t page);
// Removes what the page shows before the next one is built.
void HidePage(int16_t page);

// The picture buttons and their captions go while a page works (a search,
// a patch); the next page shows its own. Their keys are left as they are.
void HideButtons();

// The command line of the system check and modem installation program, in
// cable (page 3) or infrared (page 7) mode.
std::wstring InstallerCommand(bool infrared);
// Starts it (a companion, watched through the exchange file) and notes that
// this run did: the "dummy" profile it makes is this run's to remove.
void StartInstaller(bool infrared);

}  // namespace FormHandling
