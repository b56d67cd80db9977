// The telephony dialing location and the version text.
#pragma once

namespace DialingLocation {

// Windows 95/98/ME: a default location in telephon.ini and its country in
// tel.reg (imported when the registry lacks the location); Windows 2000: the
// country entry of wp2000.reg.
void SetDialingLocation();

// VersionText: string-table 1016 followed by "Number" of provider.ini.
void ReadProviderVersion();

}  // namespace DialingLocation
