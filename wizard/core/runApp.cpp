#include "core/runApp.h"

#include "platform/sys/Process.h"

namespace runApp {

void RunAndWait(const std::wstring& commandLine) {
    sys::ScopedHandle process(sys::CreateProcessInherit(commandLine));
    sys::WaitForever(process.Get());
}

void StartProgram(const std::wstring& commandLine) { sys::StartMinimisedWithFocus(commandLine); }

std::wstring ProgramPath(const std::wstring& path) {
    if (path.find(L' ') == std::wstring::npos || (!path.empty() && path[0] == L'"')) return path;
    return L"\"" + path + L"\"";
}

}  // namespace runApp
