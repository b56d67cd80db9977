#include "Fakes.h"
#include "platform/sys/Errors.h"
#include "platform/sys/Library.h"
#include "platform/sys/Process.h"
#include "platform/sys/System.h"

using fake::Fold;
using fake::W;

namespace {

uint32_t Fill(const std::wstring& value, uint32_t bufferChars, std::wstring* out) {
    if (value.size() + 1 > bufferChars) return static_cast<uint32_t>(value.size() + 1);
    *out = value;
    return static_cast<uint32_t>(value.size());
}

std::wstring ProgramOf(const std::wstring& commandLine) {
    if (!commandLine.empty() && commandLine[0] == L'"') {
        auto close = commandLine.find(L'"', 1);
        return commandLine.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    }
    return commandLine.substr(0, commandLine.find(L' '));
}

sys::Handle gNextProcess = 0x5000;

}  // namespace

namespace sys {

uint32_t GetWindowsDirectory(uint32_t bufferChars, std::wstring* out) { return Fill(W().windowsDir, bufferChars, out); }
uint32_t GetSystemDirectory(uint32_t bufferChars, std::wstring* out) { return Fill(W().systemDir, bufferChars, out); }
uint32_t GetTempPath(uint32_t bufferChars, std::wstring* out) { return Fill(W().tempPath, bufferChars, out); }
std::wstring ProgramDirectory() { return W().programDir; }

bool GetVersionEx(OsVersion* out) {
    *out = W().version;
    return true;
}

bool AnotherInstanceRunning() { return W().otherInstance; }
std::wstring LocalTimeText() { return W().timeText; }
std::wstring LocalDateText() { return W().dateText; }
std::wstring DecimalSeparator() { return W().decimalSeparator; }
uint32_t TickCount() { return W().ticks; }
void Sleep(uint32_t milliseconds) { W().ticks += milliseconds; }

Handle CreateProcessInherit(const std::wstring& commandLine, uint32_t* error) {
    W().waited.push_back(commandLine);
    if (W().onRun) W().onRun(commandLine);
    bool missing = W().missingPrograms.count(Fold(ProgramOf(commandLine))) != 0;
    *error = missing ? kErrorFileNotFound : kErrorSuccess;
    return missing ? 0 : gNextProcess++;
}

uint32_t WaitForProcess(Handle) { return kErrorSuccess; }
void CloseHandle(Handle) {}

bool StartMinimisedWithFocus(const std::wstring& commandLine, uint32_t* error) {
    W().started.push_back(commandLine);
    if (W().onRun) W().onRun(commandLine);
    bool missing = W().missingPrograms.count(Fold(ProgramOf(commandLine))) != 0;
    *error = missing ? kErrorFileNotFound : kErrorSuccess;
    return !missing;
}

void ExitProgram() { throw fake::ProgramEnded(); }

void EnableShutdownPrivilege() { W().shutdownPrivilege = true; }

bool ExitWindows(uint32_t flags, uint32_t reason) {
    W().exitWindows.push_back({flags, reason});
    return true;
}

void ErrorBox(const std::wstring& text, const std::wstring& caption) {
    W().errorBoxes.push_back(caption + L": " + text);
}

Handle LoadLibrary(const std::wstring& name, uint32_t* error) {
    W().loadCalls.push_back(name);
    auto it = W().loadable.find(Fold(name));
    if (error) *error = it == W().loadable.end() ? kErrorBadExeFormat : kErrorSuccess;
    return it == W().loadable.end() ? 0 : it->second;
}

void FreeLibrary(Handle module) { W().freed.push_back(module); }
void* GetProcAddress(Handle module, const char* name) {
    auto it = W().procs.find({module, name});
    return it == W().procs.end() ? nullptr : it->second;
}
Handle ProgramModule() { return 0; }

uint32_t LoadString(Handle module, uint32_t id, uint32_t bufferChars, std::wstring* out, uint16_t) {
    auto m = W().modules.find(module);
    if (m == W().modules.end()) return 0;
    auto s = m->second.strings.find(id);
    if (s == m->second.strings.end() || bufferChars == 0) return 0;
    *out = s->second.substr(0, bufferChars - 1);
    return static_cast<uint32_t>(out->size());
}

bool GetFileTranslations(const std::wstring& path, std::vector<uint32_t>* entries) {
    auto it = W().translations.find(Fold(path));
    if (it == W().translations.end()) return false;
    *entries = it->second;
    return true;
}

}  // namespace sys
