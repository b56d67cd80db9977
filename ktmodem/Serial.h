// The serial-port seam of the probe library: one function per system call,
// implemented over kernel32 in Win32Serial.cpp and by a scripted fake in the
// host tests. Only integer types cross it.
#pragma once

#include <cstdint>

namespace comm {

// A file handle; kInvalidHandle is INVALID_HANDLE_VALUE.
using Handle = std::uintptr_t;
const Handle kInvalidHandle = ~static_cast<Handle>(0);

// Byte for byte the Win32 DCB (28 bytes).
struct Dcb {
    uint32_t DCBlength;
    uint32_t BaudRate;
    uint32_t fBinary : 1;
    uint32_t fParity : 1;
    uint32_t fOutxCtsFlow : 1;
    uint32_t fOutxDsrFlow : 1;
    uint32_t fDtrControl : 2;
    uint32_t fDsrSensitivity : 1;
    uint32_t fTXContinueOnXoff : 1;
    uint32_t fOutX : 1;
    uint32_t fInX : 1;
    uint32_t fErrorChar : 1;
    uint32_t fNull : 1;
    uint32_t fRtsControl : 2;
    uint32_t fAbortOnError : 1;
    uint32_t fDummy2 : 17;
    uint16_t wReserved;
    uint16_t XonLim;
    uint16_t XoffLim;
    uint8_t ByteSize;
    uint8_t Parity;
    uint8_t StopBits;
    char XonChar;
    char XoffChar;
    char ErrorChar;
    char EofChar;
    char EvtChar;
    uint16_t wReserved1;
};

// The Win32 COMMTIMEOUTS.
struct Timeouts {
    uint32_t ReadIntervalTimeout;
    uint32_t ReadTotalTimeoutMultiplier;
    uint32_t ReadTotalTimeoutConstant;
    uint32_t WriteTotalTimeoutMultiplier;
    uint32_t WriteTotalTimeoutConstant;
};

const uint32_t kGenericRead = 0x80000000u;
const uint32_t kGenericWrite = 0x40000000u;
const uint32_t kOpenExisting = 3;
const uint32_t kAttributeNormal = 0x80;
const uint32_t kPurgeTxClear = 0x4;
const uint32_t kPurgeRxClear = 0x8;
const uint32_t kCtsOn = 0x10;  // MS_CTS_ON
const uint8_t kNoParity = 0;
const uint8_t kOneStopBit = 0;
const uint32_t kRtsControlHandshake = 2;
const uint32_t kDtrControlEnable = 1;

// CreateFileA(name, access, share, NULL, disposition, flags, NULL).
Handle CreateFileA(const char* name, uint32_t access, uint32_t share, uint32_t disposition, uint32_t flags);
bool CloseHandle(Handle file);
bool GetCommState(Handle port, Dcb* dcb);
bool SetCommState(Handle port, Dcb* dcb);
bool GetCommTimeouts(Handle port, Timeouts* timeouts);
bool SetCommTimeouts(Handle port, Timeouts* timeouts);
bool PurgeComm(Handle port, uint32_t flags);
bool GetCommModemStatus(Handle port, uint32_t* status);
// WriteFile and ReadFile, synchronous (no OVERLAPPED).
bool WriteFile(Handle file, const void* data, uint32_t bytes, uint32_t* written);
bool ReadFile(Handle file, void* data, uint32_t bytes, uint32_t* read);
bool FlushFileBuffers(Handle file);
// ClearCommError(port, errors, NULL).
bool ClearCommError(Handle port, uint32_t* errors);
uint32_t GetTickCount();
void Sleep(uint32_t milliseconds);

// A port that the holding scope owns: closed when the scope ends, on every
// path.
class Port {
public:
    Port() = default;
    ~Port() { Reset(kInvalidHandle); }
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;

    // Takes the handle, closing the one held before.
    void Reset(Handle handle) {
        if (handle_ != kInvalidHandle) CloseHandle(handle_);
        handle_ = handle;
    }
    bool IsOpen() const { return handle_ != kInvalidHandle; }
    Handle Get() const { return handle_; }

private:
    Handle handle_ = kInvalidHandle;
};

}  // namespace comm
