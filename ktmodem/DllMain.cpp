// Entry point of ktmodem.dll. The library links without the C run-time, so
// this is the image's entry point itself; it has nothing to set up.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

// The compiler may emit calls to these for structure copies and clears.
extern "C" void* memcpy(void* to, const void* from, size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    auto* s = static_cast<const unsigned char*>(from);
    while (n--) *d++ = *s++;
    return to;
}

extern "C" void* memset(void* to, int value, size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    while (n--) *d++ = static_cast<unsigned char>(value);
    return to;
}
