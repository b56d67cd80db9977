// The serial-port seam over kernel32.
#include <windows.h>

#include <cstddef>

#include "Serial.h"

static_assert(sizeof(comm::Dcb) == sizeof(DCB) && sizeof(DCB) == 28, "DCB layout");
static_assert(offsetof(comm::Dcb, BaudRate) == offsetof(DCB, BaudRate), "DCB layout");
static_assert(offsetof(comm::Dcb, wReserved) == offsetof(DCB, wReserved), "DCB layout");
static_assert(offsetof(comm::Dcb, ByteSize) == offsetof(DCB, ByteSize), "DCB layout");
static_assert(offsetof(comm::Dcb, StopBits) == offsetof(DCB, StopBits), "DCB layout");
static_assert(offsetof(comm::Dcb, EvtChar) == offsetof(DCB, EvtChar), "DCB layout");
static_assert(offsetof(comm::Dcb, wReserved1) == offsetof(DCB, wReserved1), "DCB layout");
static_assert(sizeof(comm::Timeouts) == sizeof(COMMTIMEOUTS), "COMMTIMEOUTS layout");

namespace {

HANDLE H(comm::Handle h) { return reinterpret_cast<HANDLE>(h); }

// Byte copies keep the seam's structures apart from the Win32 ones.
void Copy(void* to, const void* from, size_t n) {
    auto* d = static_cast<unsigned char*>(to);
    auto* s = static_cast<const unsigned char*>(from);
    while (n--) *d++ = *s++;
}

}  // namespace

namespace comm {

Handle CreateFileA(const char* name, uint32_t access, uint32_t share, uint32_t disposition, uint32_t flags) {
    return reinterpret_cast<Handle>(::CreateFileA(name, access, share, nullptr, disposition, flags, nullptr));
}

bool CloseHandle(Handle file) { return ::CloseHandle(H(file)) != 0; }

bool GetCommState(Handle port, Dcb* dcb) {
    DCB w;
    Copy(&w, dcb, sizeof w);
    bool ok = ::GetCommState(H(port), &w) != 0;
    Copy(dcb, &w, sizeof w);
    return ok;
}

bool SetCommState(Handle port, Dcb* dcb) {
    DCB w;
    Copy(&w, dcb, sizeof w);
    return ::SetCommState(H(port), &w) != 0;
}

bool GetCommTimeouts(Handle port, Timeouts* timeouts) {
    COMMTIMEOUTS w;
    Copy(&w, timeouts, sizeof w);
    bool ok = ::GetCommTimeouts(H(port), &w) != 0;
    Copy(timeouts, &w, sizeof w);
    return ok;
}

bool SetCommTimeouts(Handle port, Timeouts* timeouts) {
    COMMTIMEOUTS w;
    Copy(&w, timeouts, sizeof w);
    return ::SetCommTimeouts(H(port), &w) != 0;
}

bool PurgeComm(Handle port, uint32_t flags) { return ::PurgeComm(H(port), flags) != 0; }

bool GetCommModemStatus(Handle port, uint32_t* status) {
    DWORD s = 0;
    bool ok = ::GetCommModemStatus(H(port), &s) != 0;
    *status = s;
    return ok;
}

bool WriteFile(Handle file, const void* data, uint32_t bytes, uint32_t* written) {
    DWORD n = 0;
    bool ok = ::WriteFile(H(file), data, bytes, &n, nullptr) != 0;
    *written = n;
    return ok;
}

bool ReadFile(Handle file, void* data, uint32_t bytes, uint32_t* read) {
    DWORD n = 0;
    bool ok = ::ReadFile(H(file), data, bytes, &n, nullptr) != 0;
    *read = n;
    return ok;
}

bool FlushFileBuffers(Handle file) { return ::FlushFileBuffers(H(file)) != 0; }

bool ClearCommError(Handle port, uint32_t* errors) {
    DWORD e = 0;
    bool ok = ::ClearCommError(H(port), &e, nullptr) != 0;
    *errors = e;
    return ok;
}

uint32_t GetTickCount() { return ::GetTickCount(); }

void Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace comm
