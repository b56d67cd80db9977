// In-memory stand-ins for the platform seam (namespace sys). Tests arrange the
// world through fake::W() and reset it with fake::Reset().
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FakeUi.h"
#include "platform/sys/Files.h"
#include "platform/sys/System.h"

namespace fake {

// Thrown by sys::ExitProgram: the program would have ended here.
struct ProgramEnded {};

// Case-insensitive key for paths and registry names.
std::wstring Fold(const std::wstring& s);

struct RegValue {
    uint32_t type = 1;
    std::string bytes;  // raw data; REG_SZ includes its terminating NUL
};

struct RegKey {
    std::wstring name;                                    // as created
    std::map<std::wstring, std::unique_ptr<RegKey>> sub;  // by Fold(name)
    std::vector<std::wstring> subOrder;                   // Fold names in creation order
    std::map<std::wstring, RegValue> values;              // by Fold(name)
    std::vector<std::wstring> valueOrder;                 // names as written, in order
    bool readOnly = false;                                // opening with write rights fails (access denied)
};

struct File {
    std::string bytes;
    uint32_t attributes = sys::kAttrNormal;
};

struct Module {
    std::map<uint32_t, std::wstring> strings;
};

struct World {
    // Registry: roots by code 1..7.
    std::map<int, RegKey> roots;
    int openKeys = 0;         // handles open right now
    bool normalUser = false;  // HKEY_LOCAL_MACHINE refuses write rights (NT without administrator rights)

    // File system: files and directories by Fold(full path).
    std::map<std::wstring, File> files;
    std::map<std::wstring, std::wstring> fileNames;  // Fold -> path as created
    std::set<std::wstring> dirs;                     // Fold(path) without trailing '\'
    std::set<std::wstring> undeletable;              // Fold(path): DeleteFile fails
    bool diskFreeFails = false;
    sys::DiskFree disk{8, 512, 100000, 200000};
    uint32_t tempCounter = 0x1A;
    bool tempFileFails = false;

    // Profile calls, in order: "write " or "flush " and the file name.
    std::vector<std::wstring> profileCalls;

    // System.
    std::wstring windowsDir = L"C:\\WINDOWS";
    std::wstring systemDir = L"C:\\WINDOWS\\SYSTEM32";
    std::wstring tempPath = L"C:\\TEMP\\";
    std::wstring programDir = L"C:\\PROGRAM";
    sys::OsVersion version{5, 1, 2600, sys::kPlatformNT, std::string("Service Pack 2") + std::string(114, '\0')};
    bool otherInstance = false;
    std::wstring timeText = L"14:03:22";
    std::wstring dateText = L"07.12.2002";
    std::wstring decimalSeparator = L".";
    uint32_t ticks = 0;

    // Processes.
    std::vector<std::wstring> waited;                        // RunAndWait command lines
    std::vector<std::wstring> started;                       // StartProgram command lines
    std::set<std::wstring> missingPrograms;                  // Fold(first word): creation fails
    bool processesEnded = false;                             // every kept process handle has ended
    std::function<void(const std::wstring&)> onRun;          // called for each command
    std::vector<std::wstring> errorBoxes;                    // "caption: text" of each ErrorBox
    bool shutdownPrivilege = false;                          // EnableShutdownPrivilege was called
    std::vector<std::pair<uint32_t, uint32_t>> exitWindows;  // ExitWindowsEx(flags, reason) calls

    // Modules: 0 is the program; others by handle.
    std::map<sys::Handle, Module> modules;
    std::map<std::wstring, sys::Handle> loadable;                // Fold(file name) -> handle
    std::vector<std::wstring> loadCalls;                         // LoadLibrary names, in order
    std::map<std::pair<sys::Handle, std::string>, void*> procs;  // GetProcAddress(module, name)
    std::vector<sys::Handle> freed;
    std::map<std::wstring, std::vector<uint32_t>> translations;  // Fold(path)

    // Window toolkit and window calls (FakeUi.h); its end unloads every form.
    UiWorld ui;

    // Locale: items of the system default locale by LCTYPE, as the wide and
    // the ANSI calls see them (on Windows 9x only localeA is filled).
    uint32_t systemLcid = 0x0407;
    uint32_t ansiCodePage = 1252;  // GetACP
    std::map<uint32_t, std::wstring> localeW;
    std::map<uint32_t, std::wstring> localeA;

    // Fault injection: the failAt-th failable call of the seam (counted from
    // 1; 0 fails none) fails as Windows fails it.
    int failAt = 0;
    int seamCalls = 0;             // failable calls so far
    std::string failedCall;        // the one that failed
    int quiet = 0;                 // > 0: the fakes' own or the test's calls, not counted

    // File security: the drive keeps access lists; paths (Fold) of another user's; those restricted.
    bool volumeAcls = true;
    std::set<std::wstring> foreignOwned, ownerUnreadable;
    std::vector<std::wstring> restricted;
};

World& W();
void Reset();

// Called first by each failable fake: counts the call and tells whether it
// is the one to fail.
bool Fail(const char* call);
// Within its life seam calls are neither counted nor failed.
struct Quiet {
    Quiet() { ++W().quiet; }
    ~Quiet() { --W().quiet; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;
};

// Helpers for arranging and inspecting.
RegKey* FindKey(int root, const std::wstring& path);  // path without slashes at the ends
RegKey& MakeKey(int root, const std::wstring& path);
void SetString(int root, const std::wstring& path, const std::wstring& name, const std::wstring& value);
void SetDword(int root, const std::wstring& path, const std::wstring& name, uint32_t value);
bool HasValue(int root, const std::wstring& path, const std::wstring& name);
std::wstring StringOf(int root, const std::wstring& path, const std::wstring& name);

void PutFile(const std::wstring& path, const std::string& bytes = "", uint32_t attributes = sys::kAttrNormal);
bool HasFile(const std::wstring& path);
std::string FileBytes(const std::wstring& path);
void PutDir(const std::wstring& path);
bool HasDir(const std::wstring& path);

}  // namespace fake
