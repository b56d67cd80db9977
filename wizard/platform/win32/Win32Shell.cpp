// Shell calls: the system folder dialog.
#include <shlobj.h>

#include "platform/sys/Ui.h"
#include "platform/win32/Win32.h"

namespace sys {

bool BrowseForFolder(Handle owner, const std::wstring& title, std::wstring* path) {
    Ansi text = ToAnsi(title);
    BROWSEINFOA info = {};
    info.hwndOwner = reinterpret_cast<HWND>(owner);
    info.pidlRoot = nullptr;  // the desktop
    info.lpszTitle = text.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item) return false;
    // SHGetPathFromIDListA writes up to MAX_PATH characters with the NUL.
    char buffer[MAX_PATH + 1] = {};
    bool ok = SHGetPathFromIDListA(item, buffer) != FALSE;
    // The item belongs to the shell's allocator. SHGetMalloc rather than
    // CoTaskMemFree keeps ole32 out of the imports.
    IMalloc* malloc = nullptr;
    if (SUCCEEDED(SHGetMalloc(&malloc)) && malloc) {
        malloc->Free(item);
        malloc->Release();
    }
    if (!ok) return false;
    *path = FromAnsi(buffer);
    return true;
}

}  // namespace sys
