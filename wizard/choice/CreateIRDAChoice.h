// Page 2: cable or infrared, as option images with their texts, built at run
// time on the main window's page area. The choice (UseIrDA,
// ConnectionChoiceName) outlives the controls.
#pragma once

namespace CreateIRDAChoice {

// Heading, the cable and infrared options and the Windows 2000 note; the
// infrared option is disabled without an infrared device, and the choice
// remembered from an earlier visit is selected again (cable by default).
void BuildIRDAChoice();

// Removes the page's controls; missing ones are passed over.
void RemoveIRDAChoice();

}  // namespace CreateIRDAChoice
