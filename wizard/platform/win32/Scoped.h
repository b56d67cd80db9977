// Owners of what the Win32 adapters take from the system, in the manner of
// SumatraPDF's AutoCloseHandle: each releases its resource when its scope
// ends, on every path out of the adapter, so no adapter pairs an open with a
// close by hand.
#pragma once

#include "platform/win32/Win32.h"

namespace win32 {

// A resource of type T that Traits::Close releases; Traits::IsValid tells a
// real one from "none".
template <typename T, typename Traits>
class Scoped {
public:
    explicit Scoped(T resource = Traits::None()) : resource_(resource) {}
    ~Scoped() { Reset(); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    bool IsValid() const { return Traits::IsValid(resource_); }
    T Get() const { return resource_; }
    // For calls that hand the resource back through a pointer.
    T* Out() {
        Reset();
        return &resource_;
    }
    // Gives the resource up; the caller releases it.
    T Release() {
        T resource = resource_;
        resource_ = Traits::None();
        return resource;
    }

private:
    void Reset() {
        if (IsValid()) Traits::Close(resource_);
        resource_ = Traits::None();
    }

    T resource_;
};

// Kernel handles; CreateFileA and FindFirstFileA report failure with
// INVALID_HANDLE_VALUE, the other calls with null.
struct KernelHandle {
    static HANDLE None() { return nullptr; }
    static bool IsValid(HANDLE h) { return h && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
using AutoCloseHandle = Scoped<HANDLE, KernelHandle>;

// A search of FindFirstFileA, ended with FindClose.
struct FindHandle {
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
using AutoFindClose = Scoped<HANDLE, FindHandle>;

}  // namespace win32
