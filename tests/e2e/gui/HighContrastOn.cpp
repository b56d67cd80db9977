// The wizard in High Contrast for the walk that photographs it, since Wine
// always reports the setting off: this answer takes the place of the
// system's (Win32Contrast.cpp) when the program is linked.
#include "platform/sys/Ui.h"

namespace sys {

bool HighContrastOn() { return true; }

}  // namespace sys
