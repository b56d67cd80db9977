// The taskbar and topmost windows.
#pragma once

#include "platform/sys/Types.h"

namespace TopMost {

// The taskbar (class "Shell_TrayWnd", empty title) hidden / shown again. With
// no taskbar the calls go to window 0 and do nothing. Showing goes to the
// taskbar that was hidden where the search finds none.
void HideTaskbar();
void ShowTaskbar();
// Makes the window topmost without moving or sizing it.
void SetTopMost(sys::Handle window);
// Puts the window back among the windows that are not topmost, at their top,
// without moving, sizing or activating it.
void LeaveTopMost(sys::Handle window);

}  // namespace TopMost
