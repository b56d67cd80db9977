// Window calls of the window helpers (user32).
#pragma once

#include <cstdint>

#include "platform/sys/Types.h"

namespace sys {

// Insert-after values and flags of SetWindowPos.
constexpr Handle kHwndTop = 0;
constexpr Handle kHwndTopMost = static_cast<Handle>(-1);
constexpr Handle kHwndNoTopMost = static_cast<Handle>(-2);
constexpr uint32_t kSwpNoSize = 0x0001;
constexpr uint32_t kSwpNoMove = 0x0002;
constexpr uint32_t kSwpNoActivate = 0x0010;
constexpr uint32_t kSwpShowWindow = 0x0040;
constexpr uint32_t kSwpHideWindow = 0x0080;

// FindWindowA(className, title); the title is passed as text even when it is
// empty (never a null name). 0 when there is no such window.
Handle FindWindow(const std::wstring& className, const std::wstring& title);
// SetWindowPos exactly as given.
bool SetWindowPos(Handle window, Handle insertAfter, int32_t x, int32_t y, int32_t width, int32_t height,
                  uint32_t flags);
// GetCursorPos: screen pixels.
bool GetCursorPos(int32_t* x, int32_t* y);
// ClientToScreen(window, point).
bool ClientToScreen(Handle window, int32_t* x, int32_t* y);

// SystemParametersInfoA(SPI_GETHIGHCONTRAST): the user chose High Contrast
// (HCF_HIGHCONTRASTON). Alone in its own file on the Win32 side, so that a
// test program can link its own answer in its place.
bool HighContrastOn();

// Removes the keyboard and mouse messages waiting in this thread's queue
// (PeekMessageA with PM_REMOVE over both ranges): what the user typed or
// clicked while a long call blocked the window.
void DiscardPendingInput();

// SHBrowseForFolderA owned by `owner`, rooted at the desktop, offering only
// file-system folders (BIF_RETURNONLYFSDIRS), with `title` above the tree;
// the chosen item goes through SHGetPathFromIDListA and is freed. COM is
// initialised for the thread (CoInitialize) before the first dialog.
enum class FolderAnswer {
    Chosen,     // *path holds the folder up to the first NUL
    Cancelled,  // the user cancelled (or the item has no file-system path)
    NotShown,   // the dialog failed before it was shown
};
FolderAnswer BrowseForFolder(Handle owner, const std::wstring& title, std::wstring* path);

}  // namespace sys
