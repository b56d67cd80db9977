// Process calls (kernel32).
#pragma once

#include <cstdint>

#include "platform/sys/Types.h"

namespace sys {

// CreateProcessA(NULL, commandLine, NULL, NULL, TRUE, NORMAL_PRIORITY_CLASS,
// NULL, NULL, si{cb only}, pi). Returns the process handle (the thread handle
// is closed), or 0 with the system's reason (GetLastError) in *error.
Handle CreateProcessInherit(const std::wstring& commandLine, uint32_t* error);
// Waits until the process has ended (MsgWaitForMultipleObjects with
// QS_SENDMESSAGE). Messages that other threads send meanwhile are answered:
// they run the window procedures of this thread, so a broadcast
// (WM_SETTINGCHANGE) or the end of the session (WM_QUERYENDSESSION) reaches
// the forms inside the wait. Posted messages, paint, timers and input stay
// queued. Returns 0 once the process has ended (at once for handle 0), or the
// system's reason when the wait itself failed.
uint32_t WaitForProcess(Handle process);
void CloseHandle(Handle handle);
// A handle that the holding scope owns: closed with CloseHandle when the
// scope ends, on every path.
class ScopedHandle {
public:
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ~ScopedHandle() { CloseHandle(handle_); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    Handle Get() const { return handle_; }

private:
    Handle handle_;
};
// Starts the command line with its window minimised and returns at once. The
// window is not activated (SW_SHOWMINNOACTIVE): the keyboard stays with the
// wizard. False, with the system's reason in *error, when the process could
// not be created. With process given, *process receives the process handle,
// the caller's to close (untouched on failure); otherwise nobody keeps it.
bool StartMinimisedWithFocus(const std::wstring& commandLine, uint32_t* error, Handle* process = nullptr);
// Whether the process has ended: WaitForSingleObject(process, 0) gives
// WAIT_OBJECT_0. A wait that fails counts as still running.
bool ProcessEnded(Handle process);

// OpenProcessToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), LookupPrivilegeValueA
// "SeShutdownPrivilege", AdjustTokenPrivileges(enable), CloseHandle; nothing checked.
void EnableShutdownPrivilege();
// ExitWindowsEx flags (EWX_*).
constexpr uint32_t kEwxShutdown = 0x01;
constexpr uint32_t kEwxReboot = 0x02;
constexpr uint32_t kEwxForce = 0x04;
constexpr uint32_t kEwxForceIfHung = 0x10;
// ExitWindowsEx(flags, reason).
bool ExitWindows(uint32_t flags, uint32_t reason);

// Ends the program at once (ExitProcess). Host fakes throw fake::ProgramEnded.
[[noreturn]] void ExitProgram();

// A plain system message box with an OK button (MessageBoxA), for errors that
// arise before or outside the wizard's own dialogs.
void ErrorBox(const std::wstring& text, const std::wstring& caption);

}  // namespace sys
