#include "platform/TopMost.h"

#include "platform/sys/Ui.h"

namespace TopMost {

namespace {

sys::Handle Taskbar() { return sys::FindWindow(L"Shell_TrayWnd", L""); }

}  // namespace

void HideTaskbar() { sys::SetWindowPos(Taskbar(), sys::kHwndTop, 0, 0, 0, 0, sys::kSwpHideWindow); }

void ShowTaskbar() { sys::SetWindowPos(Taskbar(), sys::kHwndTop, 0, 0, 0, 0, sys::kSwpShowWindow); }

void SetTopMost(sys::Handle window) {
    sys::SetWindowPos(window, sys::kHwndTopMost, 0, 0, 0, 0, sys::kSwpNoMove | sys::kSwpNoSize);
}

void LeaveTopMost(sys::Handle window) {
    sys::SetWindowPos(window, sys::kHwndNoTopMost, 0, 0, 0, 0, sys::kSwpNoMove | sys::kSwpNoSize | sys::kSwpNoActivate);
}

}  // namespace TopMost
