#include <algorithm>

#include "platform/sys/Errors.h"
#include "platform/sys/Library.h"
#include "platform/sys/Process.h"
#include "platform/sys/System.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/Win32.h"

namespace sys {

static_assert(kPlatformWin32s == VER_PLATFORM_WIN32s && kPlatformWindows == VER_PLATFORM_WIN32_WINDOWS &&
              kPlatformNT == VER_PLATFORM_WIN32_NT);
static_assert(kEwxShutdown == EWX_SHUTDOWN && kEwxReboot == EWX_REBOOT && kEwxForce == EWX_FORCE &&
              kEwxForceIfHung == EWX_FORCEIFHUNG);
static_assert(kErrorBadExeFormat == ERROR_BAD_EXE_FORMAT && kErrorSuccess == ERROR_SUCCESS);

namespace {
uint32_t Dir(UINT(WINAPI* call)(LPSTR, UINT), uint32_t bufferChars, std::wstring* out) {
    std::string buf(bufferChars + 1, '\0');
    UINT n = call(&buf[0], bufferChars);
    if (n > 0 && n < bufferChars) *out = FromAnsi(buf.substr(0, n));
    return n;
}
HINSTANCE Module(Handle h) { return reinterpret_cast<HINSTANCE>(h); }
}  // namespace

uint32_t GetWindowsDirectory(uint32_t bufferChars, std::wstring* out) {
    return Dir(GetWindowsDirectoryA, bufferChars, out);
}
uint32_t GetSystemDirectory(uint32_t bufferChars, std::wstring* out) {
    return Dir(GetSystemDirectoryA, bufferChars, out);
}
uint32_t GetTempPath(uint32_t bufferChars, std::wstring* out) {
    std::string buf(bufferChars + 1, '\0');
    DWORD n = GetTempPathA(bufferChars, &buf[0]);
    if (n > 0 && n < bufferChars) *out = FromAnsi(buf.c_str());
    return n;
}

std::wstring ProgramDirectory() {
    char buf[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::wstring path = FromAnsi(buf);
    auto p = path.find_last_of(L'\\');
    return p == std::wstring::npos ? path : path.substr(0, p);
}

bool GetVersionEx(OsVersion* out) {
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = 148;
    if (!GetVersionExA(&v)) return false;
    out->major = v.dwMajorVersion;
    out->minor = v.dwMinorVersion;
    out->build = v.dwBuildNumber;
    out->platformId = v.dwPlatformId;
    out->servicePack.assign(v.szCSDVersion, sizeof v.szCSDVersion);
    return true;
}

bool AnotherInstanceRunning() {
    // Held for the life of the process: the other instances see it.
    static HANDLE token = nullptr;
    if (token) return false;
    win32::AutoCloseHandle mutex(CreateMutexA(nullptr, TRUE, "GprsModemWizard.Instance"));
    if (mutex.IsValid() && GetLastError() == ERROR_ALREADY_EXISTS) return true;
    token = mutex.Release();
    return false;
}

std::wstring LocalTimeText() {
    char buf[64] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buf, sizeof buf);
    return FromAnsi(buf);
}

std::wstring LocalDateText() {
    char buf[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buf, sizeof buf);
    return FromAnsi(buf);
}

std::wstring DecimalSeparator() {
    char buf[8] = {};
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, sizeof buf)) return L".";
    return FromAnsi(buf);
}

uint32_t TickCount() { return GetTickCount(); }
void Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

Handle CreateProcessInherit(const std::wstring& commandLine, uint32_t* error) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string cmd = ToAnsi(commandLine);
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si, &pi)) {
        *error = GetLastError();
        return 0;
    }
    *error = ERROR_SUCCESS;
    win32::AutoCloseHandle thread(pi.hThread);
    return reinterpret_cast<Handle>(pi.hProcess);  // the caller's to close
}

uint32_t WaitForProcess(Handle process) {
    if (!process) return ERROR_SUCCESS;
    HANDLE h = reinterpret_cast<HANDLE>(process);
    // A setup program may broadcast with SendMessage (WM_SETTINGCHANGE) and
    // wait for every top-level window to answer: a thread blocked in
    // WaitForSingleObject would never answer, and both would wait for good.
    // PeekMessage delivers the sent messages to our window procedures (even
    // with PM_NOREMOVE): a WM_QUERYENDSESSION too, so the forms' close
    // handling can run in here. Posted messages, paint, timers and input
    // stay queued.
    for (;;) {
        DWORD woken = MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0) return ERROR_SUCCESS;
        // Not "ended": a handle without SYNCHRONIZE access, for one, fails.
        if (woken != WAIT_OBJECT_0 + 1) return woken == WAIT_FAILED ? GetLastError() : woken;
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    }
}

void CloseHandle(Handle handle) {
    if (handle) ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

bool StartMinimisedWithFocus(const std::wstring& commandLine, uint32_t* error, Handle* process) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    // Minimised without the activation. Activated, the companion's process
    // would take the foreground, and 98, ME, 2000 and XP refuse it back to
    // SetForegroundWindow of a process that did not get the last input
    // (the foreground lock) for as long as the companion lives: Enter and
    // Esc on the wizard's page would go to the companion's window. Started
    // by the foreground process, the companion may still bring a dialog of
    // its own to the front.
    si.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION pi = {};
    std::string cmd = ToAnsi(commandLine);
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si, &pi)) {
        *error = GetLastError();
        return false;
    }
    *error = ERROR_SUCCESS;
    win32::AutoCloseHandle thread(pi.hThread);
    if (process) {
        *process = reinterpret_cast<Handle>(pi.hProcess);  // the caller's to close
        return true;
    }
    // Nobody waits for it.
    win32::AutoCloseHandle unwatched(pi.hProcess);
    return true;
}

bool ProcessEnded(Handle process) {
    return process && WaitForSingleObject(reinterpret_cast<HANDLE>(process), 0) == WAIT_OBJECT_0;
}

void ExitProgram() { ExitProcess(0); }

void EnableShutdownPrivilege() {
    win32::AutoCloseHandle token;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Out());
    TOKEN_PRIVILEGES tp = {};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &tp.Privileges[0].Luid);
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previous = {};
    DWORD length = 0;
    AdjustTokenPrivileges(token.Get(), FALSE, &tp, 16, &previous, &length);
}

bool ExitWindows(uint32_t flags, uint32_t reason) { return ExitWindowsEx(flags, reason) != 0; }

void ErrorBox(const std::wstring& text, const std::wstring& caption) {
    MessageBoxA(nullptr, ToAnsi(text).c_str(), ToAnsi(caption).c_str(), MB_OK | MB_ICONERROR | MB_TOPMOST);
}

Handle LoadLibrary(const std::wstring& name, uint32_t* error) {
    // Without this, NT stops on a box of its own ("... is not a valid Windows
    // NT image") before LoadLibraryA returns for a damaged file.
    UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(ToAnsi(name).c_str());
    DWORD status = module ? ERROR_SUCCESS : GetLastError();
    SetErrorMode(mode);
    if (error) *error = status;
    return reinterpret_cast<Handle>(module);
}
void FreeLibrary(Handle module) {
    if (module) ::FreeLibrary(Module(module));
}
void* GetProcAddress(Handle module, const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(Module(module), name));
}
Handle ProgramModule() { return reinterpret_cast<Handle>(GetModuleHandleA(nullptr)); }

namespace {
// String id of the module's table in that language alone, through the ANSI
// code page and cut to bufferChars - 1 bytes as LoadStringA gives it; false
// when the module has no block of that language. A block holds 16 strings,
// each a length and that many UTF-16 units.
bool StringOfLanguage(HINSTANCE module, uint32_t id, uint16_t language, uint32_t bufferChars, Ansi* out) {
    HRSRC res = FindResourceExA(module, MAKEINTRESOURCEA(6) /* RT_STRING */, MAKEINTRESOURCEA((id >> 4) + 1), language);
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    const WCHAR* p = data ? static_cast<const WCHAR*>(LockResource(data)) : nullptr;
    if (!p) return false;
    const WCHAR* end = p + SizeofResource(module, res) / sizeof(WCHAR);
    for (uint32_t i = 0; i < (id & 15) && p < end; ++i) p += 1 + *p;
    std::wstring text;
    if (p < end) text.assign(p + 1, std::min<size_t>(*p, static_cast<size_t>(end - p - 1)));
    *out = ToAnsi(text).substr(0, bufferChars > 0 ? bufferChars - 1 : 0);
    return true;
}
}  // namespace

uint32_t LoadString(Handle module, uint32_t id, uint32_t bufferChars, std::wstring* out, uint16_t language) {
    HINSTANCE m = module ? Module(module) : GetModuleHandleA(nullptr);
    Ansi text;
    if (!language || !StringOfLanguage(m, id, language, bufferChars, &text)) {
        std::string buf(bufferChars + 1, '\0');
        int n = LoadStringA(m, id, &buf[0], static_cast<int>(bufferChars));
        text = buf.substr(0, n > 0 ? static_cast<size_t>(n) : 0);
    }
    *out = FromAnsi(text);
    return static_cast<uint32_t>(text.size());
}

bool GetFileTranslations(const std::wstring& path, std::vector<uint32_t>* entries) {
    std::string file = ToAnsi(path);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    if (size == 0) return false;
    std::string data(size, '\0');
    if (!GetFileVersionInfoA(file.c_str(), 0, size, &data[0])) return false;
    entries->clear();
    void* p = nullptr;
    UINT len = 0;
    char sub[] = "\\VarFileInfo\\Translation";
    if (VerQueryValueA(&data[0], sub, &p, &len) && p) {
        const DWORD* e = static_cast<const DWORD*>(p);
        for (UINT i = 0; i < len / 4; ++i) entries->push_back(e[i]);
    }
    return true;
}

}  // namespace sys
