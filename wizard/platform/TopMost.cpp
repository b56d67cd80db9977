#include "platform/TopMost.h"

#include "platform/sys/Ui.h"

namespace TopMost {

namespace {

sys::Handle Taskbar() { return sys::FindWindow(L"Shell_TrayWnd", L""); }

// The taskbar that was hidden: shown again even when the search for it fails
// at the end, which would leave the user without one.
sys::Handle hiddenTaskbar = 0;

}  // namespace

void HideTaskbar() {
    hiddenTaskbar = Taskbar();
    sys::SetWindowPos(hiddenTaskbar, sys::kHwndTop, 0, 0, 0, 0, sys::kSwpHideWindow);
}

void ShowTaskbar() {
    sys::Handle taskbar = Taskbar();
    sys::SetWindowPos(taskbar ? taskbar : hiddenTaskbar, sys::kHwndTop, 0, 0, 0, 0, sys::kSwpShowWindow);
}

void SetTopMost(sys::Handle window) {
    sys::SetWindowPos(window, sys::kHwndTopMost, 0, 0, 0, 0, sys::kSwpNoMove | sys::kSwpNoSize);
}

void LeaveTopMost(sys::Handle window) {
    sys::SetWindowPos(window, sys::kHwndNoTopMost, 0, 0, 0, 0, sys::kSwpNoMove | sys::kSwpNoSize | sys::kSwpNoActivate);
}

}  // namespace TopMost
