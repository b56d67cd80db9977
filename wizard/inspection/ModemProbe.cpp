#include "inspection/ModemProbe.h"

#include <type_traits>

#include "core/ProgramEnd.h"
#include "core/RunState.h"
#include "inspection/ComPorts.h"
#include "inspection/Dir_File.h"
#include "platform/sys/Library.h"
#include "platform/sys/Process.h"

namespace {

// The export is stdcall on 32-bit Windows.
#if defined(_WIN32) && defined(__i386__)
#define PROBE_CALL __attribute__((stdcall))
#else
#define PROBE_CALL
#endif

using DetectFunction = int32_t(PROBE_CALL*)(const char*, const char*, const char*, const char*, const char*,
                                            const char*, const char*, const char*, const char*, const char*);

#if defined(_WIN32) && defined(__i386__)
// The callee removes its 40 bytes of arguments ("@40"): a call through a
// cdecl pointer would have the caller remove them again: a wrong stack.
static_assert(std::is_same<DetectFunction,
                           int32_t(__stdcall*)(const char*, const char*, const char*, const char*, const char*,
                                               const char*, const char*, const char*, const char*, const char*)>::value,
              "_detectModemPort@40 is called as __stdcall");
#endif

const wchar_t* const kLibrary = L"ktmodem.dll";
const char* const kEntryPoint = "_detectModemPort@40";

DetectFunction gDetect = nullptr;

// A plain error box until the run ends; the wizard's own dialogs may not be
// usable when the probe library is missing.
[[noreturn]] void Fail(const std::wstring& text) {
    sys::ErrorBox(text, Rs.ProductName);
    ProgramEnd::AbortWizard();
}

DetectFunction Bind() {
    if (gDetect) return gDetect;
    // Beside the program only: a bare name would go on to the current
    // directory and the PATH.
    sys::Handle library = sys::LoadLibrary(Dir_File::InProgramDirectory(kLibrary));
    if (!library) Fail(L"File not found: ktmodem.dll");
    void* entry = sys::GetProcAddress(library, kEntryPoint);
    if (!entry) Fail(L"Can't find DLL entry point _detectModemPort@40 in ktmodem.dll");
    gDetect = reinterpret_cast<DetectFunction>(entry);
    return gDetect;
}

}  // namespace

namespace ModemProbe {

int32_t detectModemPort(const std::wstring& preferredPort, const std::wstring& baudRate,
                        const std::wstring& readTimeout, const std::wstring& writeTimeout,
                        const std::wstring& idCommand, const std::wstring& match1, const std::wstring& match2,
                        const std::wstring& match3, const std::wstring& followUp1, const std::wstring& followUp2) {
    DetectFunction detect = Bind();
    const sys::Ansi a[10] = {sys::ToAnsi(preferredPort), sys::ToAnsi(baudRate),  sys::ToAnsi(readTimeout),
                             sys::ToAnsi(writeTimeout),  sys::ToAnsi(idCommand), sys::ToAnsi(match1),
                             sys::ToAnsi(match2),        sys::ToAnsi(match3),    sys::ToAnsi(followUp1),
                             sys::ToAnsi(followUp2)};
    return detect(a[0].c_str(), a[1].c_str(), a[2].c_str(), a[3].c_str(), a[4].c_str(), a[5].c_str(), a[6].c_str(),
                  a[7].c_str(), a[8].c_str(), a[9].c_str());
}

std::wstring SearchList() {
    std::wstring list;
    for (int16_t port : ComPorts::SearchPorts()) list += (list.empty() ? L"" : L",") + std::to_wstring(port);
    // A list holds a comma; one number alone would mean that port, then COM1 to COM9.
    if (list.find(L',') == std::wstring::npos) list += L",";
    return list;
}

int32_t DetectModemPort() {
    return detectModemPort(SearchList(), L"57600", L"10", L"10", L"ATI9", L"VALMOR", L"72", L"73", L"", L"");
}

void ForgetLibrary() { gDetect = nullptr; }

}  // namespace ModemProbe
