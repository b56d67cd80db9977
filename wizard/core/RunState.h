// The process-wide run state: the module-level variables through which the
// wizard's modules exchange results. Zero-initialised at start.
#pragma once

#include "platform/sys/Types.h"

#include <cstdint>
#include <string>

namespace ui {
class Form;
class Control;
}  // namespace ui

struct RunState {
    int16_t CurrentPage = 0;
    ui::Form* CurrentForm = nullptr;
    bool RestartedAfterReboot = false;
    bool UseIrDA = false;
    bool AutoPortSearch = false;
    std::wstring ConnectionChoiceName;
    std::wstring PortChoiceName;
    std::wstring PortSearchResult;
    std::wstring ComPort;
    std::wstring ModemName;
    std::wstring ProductCode;
    std::wstring ProductName;
    std::wstring DialerInfName;
    std::wstring VersionText;
    int16_t MessageId = 0;
    int16_t MessageButtons = 0;
    bool MessageRepeat = false;
    bool IrDAPresent = false;
    bool IrDANeedsMEPatch = false;
    bool IrCommHotfixInstalled = false;
    std::wstring IrDAPatchPort;
    int16_t IrDATimerTicks = 0;
    int16_t IrDATimerLimit = 0;
    bool ComPortsFound = false;
    bool NoPortSkip = false;
    bool DirectoryRequestBusy = false;
    int32_t HoverLeft = 0;
    int32_t HoverTop = 0;
    int32_t HoverRight = 0;
    int32_t HoverBottom = 0;
    ui::Control* HoverImage = nullptr;
    std::wstring WindowsDir;
    std::wstring SystemDir;
    std::wstring TempDir;
    std::wstring WorkDir;
    std::wstring StartupDir;
    std::wstring ProgramFilesDir;
    std::wstring WindowsDrive;
    double FreeDiskSpace = 0;
    double RequiredDiskSpace = 0;
    std::wstring TriggerFile;
    std::wstring OsName;
    int32_t OsPlatformId = 0;
    std::wstring OsServicePack;
    std::wstring BrowserVersion;
    bool IsAdmin = false;
    std::wstring LanguageId;
    std::wstring LanguageCode;
    std::wstring CountryName;
    std::wstring CountryCode;
    std::wstring SystemCodePage;
    sys::Handle LanguageLibrary = 0;
    // This run started the installer, which makes the "dummy" profile.
    bool InstallerStarted = false;
    // kt belongs to another user: nothing is run from it, nothing deleted in it.
    bool KtRefused = false;
};

// The one run state of the process.
extern RunState Rs;

// Back to the zero state (program start; tests).
void ResetRunState();
