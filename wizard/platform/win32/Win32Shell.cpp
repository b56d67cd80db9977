// Shell calls: the system folder dialog.
#include <shlobj.h>

#include "platform/sys/Ui.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/Win32.h"

namespace sys {

namespace {

// An item list of the shell's allocator. It goes back through SHGetMalloc:
// CoTaskMemFree would bring ole32 into the imports.
struct ShellItem {
    static LPITEMIDLIST None() { return nullptr; }
    static bool IsValid(LPITEMIDLIST item) { return item != nullptr; }
    static void Close(LPITEMIDLIST item) {
        IMalloc* malloc = nullptr;
        if (FAILED(SHGetMalloc(&malloc)) || !malloc) return;
        malloc->Free(item);
        malloc->Release();
    }
};

// SHBrowseForFolder needs COM on the calling thread. CoInitialize is reached
// through LoadLibrary, so that ole32 stays out of the imports; the library
// stays loaded, as COM does, to the end of the program.
void InitialiseComOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    HMODULE ole32 = ::win32::LoadSystemLibrary("ole32.dll");
    if (!ole32) return;
    typedef HRESULT(WINAPI * CoInitializeFn)(LPVOID);
    auto coInitialize =
        reinterpret_cast<CoInitializeFn>(reinterpret_cast<void*>(GetProcAddress(ole32, "CoInitialize")));
    if (coInitialize) coInitialize(nullptr);
}

// Tells through lParam that the dialog came up: without it, a NULL from
// SHBrowseForFolderA is a failure, not the user's Cancel.
int CALLBACK NoteShown(HWND, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) *reinterpret_cast<bool*>(data) = true;
    return 0;
}

}  // namespace

FolderAnswer BrowseForFolder(Handle owner, const std::wstring& title, std::wstring* path) {
    InitialiseComOnce();
    Ansi text = ToAnsi(title);
    bool shown = false;
    BROWSEINFOA info = {};
    info.hwndOwner = reinterpret_cast<HWND>(owner);
    info.pidlRoot = nullptr;  // the desktop
    info.lpszTitle = text.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = NoteShown;
    info.lParam = reinterpret_cast<LPARAM>(&shown);
    win32::Scoped<LPITEMIDLIST, ShellItem> item(SHBrowseForFolderA(&info));
    if (!item.IsValid()) return shown ? FolderAnswer::Cancelled : FolderAnswer::NotShown;
    // SHGetPathFromIDListA writes up to MAX_PATH characters with the NUL.
    char buffer[MAX_PATH + 1] = {};
    if (!SHGetPathFromIDListA(item.Get(), buffer)) return FolderAnswer::Cancelled;
    *path = FromAnsi(buffer);
    return FolderAnswer::Chosen;
}

}  // namespace sys
