// Basic types of the platform seam. Everything in namespace sys is a thin
// wrapper over one operating-system call: the Win32 adapters live in
// platform/win32, the host fakes in tests/host/fakes.
#pragma once

#include <cstdint>
#include <string>

namespace sys {

// An opaque handle (HKEY, HANDLE, HMODULE, HWND ...). 0 is "none".
using Handle = std::uintptr_t;

// Text in the system's ANSI code page, as the "A" entry points take it.
using Ansi = std::string;

// Unicode <-> ANSI code page, as at every call of an "A" entry point.
Ansi ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const Ansi& text);

}  // namespace sys
