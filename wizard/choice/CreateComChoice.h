// Page 4: automatic port search or the port list, as option images with
// their texts, built at run time on the main window's page area. The choice
// (AutoPortSearch, PortChoiceName) outlives the controls.
#pragma once

namespace CreateComChoice {

// Heading and the two options; the choice remembered from an earlier visit
// is selected again (the manual selection by default).
void BuildComChoice();

// Removes the page's controls; missing ones are passed over.
void RemoveComChoice();

}  // namespace CreateComChoice
