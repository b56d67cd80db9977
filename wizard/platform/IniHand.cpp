#include "platform/IniHand.h"

#include "platform/sys/Files.h"
#include "platform/sys/Profile.h"
#include "platform/sys/System.h"

namespace IniHand {

const wchar_t* const kLogFile = L"C:\\gprs_log.txt";

namespace {
constexpr uint32_t kIniBuffer = 2048;
bool logOwn = true;
}  // namespace

void StartNewLog() {
    sys::SetFileAttributes(kLogFile, sys::kAttrNormal);
    sys::DeleteFile(kLogFile);
    logOwn = sys::CreateNewFile(kLogFile);
}

void ContinueLog() { logOwn = true; }

void WriteLog(const std::wstring& text) {
    if (!logOwn) return;
    std::wstring line = text + L"\t" + sys::LocalTimeText() + L"\t" + sys::LocalDateText() + L"\r\n";
    sys::AppendToFile(kLogFile, sys::ToAnsi(line));
}

std::wstring ReadIni(const std::wstring& section, const std::wstring& key, const std::wstring& def,
                     const std::wstring& file) {
    // An empty file name would make the system fall back to WIN.INI.
    if (file.empty()) return def;
    std::wstring value;
    sys::GetPrivateProfileString(section, key, def, kIniBuffer, file, &value);
    return value;
}

void WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value,
              const std::wstring& file) {
    if (file.empty()) return;
    sys::WritePrivateProfileString(section, key, value, file);
}

void FlushIni(const std::wstring& file) {
    if (!file.empty()) sys::FlushPrivateProfile(file);
}

}  // namespace IniHand
