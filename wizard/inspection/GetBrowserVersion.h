// The browser version, with the start-up refusal of one too old.
#pragma once

namespace GetBrowserVersion {

// BrowserVersion from the registry, empty when absent.
void ReadBrowserVersion();
// Message 108 when BrowserVersion sorts before the minimum, as plain text.
void CheckBrowserVersion();

}  // namespace GetBrowserVersion
