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

}  // namespace

bool BrowseForFolder(Handle owner, const std::wstring& title, std::wstring* path) {
    Ansi text = ToAnsi(title);
    BROWSEINFOA info = {};
    info.hwndOwner = reinterpret_cast<HWND>(owner);
    info.pidlRoot = nullptr;  // the desktop
    info.lpszTitle = text.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    win32::Scoped<LPITEMIDLIST, ShellItem> item(SHBrowseForFolderA(&info));
    if (!item.IsValid()) return false;
    // SHGetPathFromIDListA writes up to MAX_PATH characters with the NUL.
    char buffer[MAX_PATH + 1] = {};
    if (!SHGetPathFromIDListA(item.Get(), buffer)) return false;
    *path = FromAnsi(buffer);
    return true;
}

}  // namespace sys
