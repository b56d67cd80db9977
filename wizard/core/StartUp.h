// Start-up: the fixed sequence of inspections and preparations before the
// first page, and the resume after the wizard's own reboot.
#pragma once

namespace StartUp {

// The start-up procedure. Returns after the first page is shown (or at once
// for a second instance); the program then lives on in window events.
// False when the program should end without a message loop.
bool Main();

void CheckRestartMarker();
void GetStartParam();
// The state file and the Run value of a resume, where they are.
void RemoveResumeMarkers();
void DeleteRunOnceLink();
void LoadProductStrings();
void RemoveOldDialer();

}  // namespace StartUp
