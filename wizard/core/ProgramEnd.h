// The two ways the wizard ends: EndWizard after Finish, AbortWizard on every
// other way out.
#pragma once

namespace ProgramEnd {

[[noreturn]] void EndWizard();
[[noreturn]] void AbortWizard();

// Shared clean-up steps of both ends.
void RemoveDummyProfile(bool endWizard);
void DeleteWorkFiles();

}  // namespace ProgramEnd
