// The run-time pieces of wizard.exe that would otherwise come from the
// prebuilt GCC and MinGW libraries. Those are compiled for the Pentium Pro and
// use its instructions (CMOV, FCOMI, SSE probes), which stop a Pentium with an
// illegal-instruction fault. The program is built without exceptions and RTTI;
// what remains of the library code is replaced here by code built for the
// Pentium:
// - the entry point (instead of the C run-time's start-up object): FPU reset,
//   static constructors, WinMain, exit handlers;
// - atexit, operator new and delete, the library's throw helpers (they end
//   the program, as every failure would without exceptions);
// - the std::string and std::wstring members, instantiated here rather than
//   taken from the library's copy;
// - the printf-family formatter behind std::to_wstring and swprintf, limited
//   to integers, characters and strings (the wizard formats no floating-point
//   numbers with it; NumberText does that).
#include <bits/functexcept.h>
#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <new>
#include <string>

#include "platform/win32/Printf.h"

template class std::basic_string<char>;
template class std::basic_string<wchar_t>;

namespace Runtime {

namespace {

constexpr int kMaxExitHandlers = 64;
void (*exitHandlers[kMaxExitHandlers])();
int exitHandlerCount = 0;

void RunExitHandlers() {
    while (exitHandlerCount > 0) exitHandlers[--exitHandlerCount]();
}

[[noreturn]] void Fail() { std::abort(); }

}  // namespace

}  // namespace Runtime

extern "C" {

int atexit(void (*handler)()) {
    if (Runtime::exitHandlerCount == Runtime::kMaxExitHandlers) return -1;
    Runtime::exitHandlers[Runtime::exitHandlerCount++] = handler;
    return 0;
}

void __cxa_pure_virtual() { Runtime::Fail(); }

int __mingw_vsnwprintf(wchar_t* out, size_t size, const wchar_t* format, va_list args) {
    return Printf::Format(out, size, format, args);
}

int __mingw_vsnprintf(char* out, size_t size, const char* format, va_list args) {
    return Printf::Format(out, size, format, args);
}

void __main();  // runs the static constructors (MinGW's gccmain)

// The entry point named to the linker.
void WizardStart() {
    // As the C run-time's start: x87 in its power-up state (64-bit precision).
    __asm__ __volatile__("fninit");
    __main();
    int code = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWDEFAULT);
    Runtime::RunExitHandlers();
    ExitProcess(static_cast<UINT>(code));
}

}  // extern "C"

void* operator new(size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) Runtime::Fail();
    return p;
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace std {

void __throw_bad_exception() { Runtime::Fail(); }
void __throw_bad_alloc() { Runtime::Fail(); }
void __throw_bad_array_new_length() { Runtime::Fail(); }
void __throw_bad_cast() { Runtime::Fail(); }
void __throw_bad_typeid() { Runtime::Fail(); }
void __throw_logic_error(const char*) { Runtime::Fail(); }
void __throw_domain_error(const char*) { Runtime::Fail(); }
void __throw_invalid_argument(const char*) { Runtime::Fail(); }
void __throw_length_error(const char*) { Runtime::Fail(); }
void __throw_out_of_range(const char*) { Runtime::Fail(); }
void __throw_out_of_range_fmt(const char*, ...) { Runtime::Fail(); }
void __throw_runtime_error(const char*) { Runtime::Fail(); }
void __throw_range_error(const char*) { Runtime::Fail(); }
void __throw_overflow_error(const char*) { Runtime::Fail(); }
void __throw_underflow_error(const char*) { Runtime::Fail(); }
void __throw_ios_failure(const char*) { Runtime::Fail(); }
void __throw_ios_failure(const char*, int) { Runtime::Fail(); }
void __throw_system_error(int) { Runtime::Fail(); }
void __throw_future_error(int) { Runtime::Fail(); }
void __throw_bad_function_call() { Runtime::Fail(); }

}  // namespace std
