#include "core/CreateTempFile.h"

#include "core/RunState.h"
#include "platform/IniHand.h"
#include "platform/sys/Files.h"

namespace CreateTempFile {

std::wstring MakeTempFile(const std::wstring& prefix) {
    std::wstring name;
    if (sys::GetTempFileName(Rs.TempDir, prefix, &name) == 0) return L"";
    IniHand::WriteLog(L"create temp file START");
    IniHand::WriteLog(L"tempfile: " + name + L" created.");
    IniHand::WriteLog(L"create temp file END");
    return name;
}

}  // namespace CreateTempFile
