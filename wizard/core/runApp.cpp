#include "core/runApp.h"

#include "platform/IniHand.h"
#include "platform/sys/Process.h"

namespace runApp {

namespace {

void LogFailure(const wchar_t* what, uint32_t error, const std::wstring& commandLine) {
    IniHand::WriteLog(std::wstring(what) + L", error " + std::to_wstring(error) + L": " + commandLine);
}

}  // namespace

void RunAndWait(const std::wstring& commandLine) {
    uint32_t error = 0;
    sys::ScopedHandle process(sys::CreateProcessInherit(commandLine, &error));
    if (!process.Get())
        LogFailure(L"program not started", error, commandLine);
    else if ((error = sys::WaitForProcess(process.Get())) != 0)
        LogFailure(L"wait for program failed", error, commandLine);
}

void StartProgram(const std::wstring& commandLine) {
    uint32_t error = 0;
    if (!sys::StartMinimisedWithFocus(commandLine, &error)) LogFailure(L"program not started", error, commandLine);
}

std::wstring ProgramPath(const std::wstring& path) {
    if (path.find(L' ') == std::wstring::npos || (!path.empty() && path[0] == L'"')) return path;
    return L"\"" + path + L"\"";
}

}  // namespace runApp
