// The two ways the wizard ends: EndWizard after Finish, AbortWizard on every
// other way out.
#pragma once

namespace ProgramEnd {

[[noreturn]] void EndWizard();
[[noreturn]] void AbortWizard();

// Form_QueryUnload of the dialogs: the program's own unload passes; any other
// close ends the run through AbortWizard, but while a program is waited for,
// when it is declined (runApp::KeepOpen).
void CloseAsked(bool& cancel, int mode);
// Every window's answer to the end of the session: agreed, but while a
// program is waited for. The run ends when the session does (CloseAsked with
// ui::kUnloadAppWindows).
void EndOfSessionAsked(bool& cancel);

// Shared clean-up steps of both ends.
void RemoveDummyProfile(bool endWizard);
void DeleteWorkFiles();

}  // namespace ProgramEnd
