// Program entry: the start-up sequence, then the window thread's message loop.
#include <windows.h>

#include "core/StartUp.h"

namespace {

// XP takes a window whose thread has read no input for 5 s for hung and, at
// the next click, puts a ghost in its place whose "End Now" kills the wizard
// with the taskbar hidden; the modem searches and the waits for other
// programs block the thread for much longer. Only XP and later have the call.
void KeepWindowsFromGhosting() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32) return;
    FARPROC proc = GetProcAddress(user32, "DisableProcessWindowsGhosting");
    if (!proc) return;
    using Disable = void(WINAPI*)();
    reinterpret_cast<Disable>(reinterpret_cast<void*>(proc))();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    KeepWindowsFromGhosting();
    if (!StartUp::Main()) return 0;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
