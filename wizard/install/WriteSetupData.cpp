#include "install/WriteSetupData.h"

#include <string>
#include <vector>

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "inspection/DelFiles.h"
#include "install/CopyFiles.h"
#include "localisation/Sprache.h"
#include "platform/IniHand.h"
#include "platform/RegAccess.h"
#include "platform/StringTable.h"
#include "platform/sys/Errors.h"
#include "platform/sys/Files.h"
#include "platform/sys/Locale.h"

namespace WriteSetupData {

namespace {

const wchar_t* const kDriverFile = L"mdmvlm.inf";
const wchar_t* const kTemplate9x = L"mdmvlm9x.in_";
constexpr int16_t kSetupFailed = 101;

std::wstring SetupSection(const std::wstring& langCode) {
    std::wstring text;
    auto line = [&text](const std::wstring& key, const std::wstring& value) { text += key + value + L"\r\n"; };
    text += L"[Variables]\r\n";
    line(L"kundel=", Rs.ProductName);
    line(L"kundek=", Rs.ProductCode);
    line(L"ComPort=", Rs.ComPort);
    line(L"os=", Rs.OsName);
    line(L"fcountry=", Rs.LanguageCode);
    line(L"ModInstNT=", StringTable::ProgramString(1011));
    // Left out when no port is known (infrared chosen, none listed).
    if (!Rs.NoPortSkip) {
        line(L"ModInst9x=", StringTable::ProgramString(1012));
        line(L"ModInst2K=", StringTable::ProgramString(1013));
        line(L"ModInstXP=", StringTable::ProgramString(1014));
    }
    if (Rs.OsName != L"WinXP") line(L"SysUpdate=", StringTable::ProgramString(1015));
    line(L"ModName=", StringTable::ProgramString(1004));
    line(L"ModName1=", StringTable::ProgramString(1017));
    line(L"ModName2=", StringTable::ProgramString(1018));
    if (Rs.OsName == L"WinNT") line(L"langcode=", langCode);
    return text;
}

// Lines ended by CR LF, LF or CR; a last line without an end counts too. No
// trail byte of a DBCS code page is a CR or LF.
std::vector<sys::Ansi> SplitLines(const sys::Ansi& text) {
    std::vector<sys::Ansi> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == sys::Ansi::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

// Every "COM4" of a line replaced in its bytes, character by character of the
// ANSI code page: through Unicode and back, a byte above 127 of a DBCS code
// page (932, 936, 949, 950) pairs with the next one, and a pair the code page
// lacks (a lone high byte before a quote) would come back as '?' or not at all.
sys::Ansi ReplacePort(const sys::Ansi& line, const sys::Ansi& port) {
    static const sys::Ansi kTemplatePort = "COM4";
    sys::Ansi out;
    for (size_t i = 0; i < line.size();) {
        if (line.compare(i, kTemplatePort.size(), kTemplatePort) == 0) {
            out += port;
            i += kTemplatePort.size();
            continue;
        }
        size_t n = sys::IsLeadByte(static_cast<uint8_t>(line[i])) && i + 1 < line.size() ? 2 : 1;
        out.append(line, i, n);
        i += n;
    }
    return out;
}

// The Windows 9x template names the infrared virtual port as COM4; the port
// the system registered for it may differ.
bool RewriteTemplate9x(const std::wstring& ktDir) {
    const std::wstring port =
        RegAccess::GetText(RegAccess::kLocalMachine, L"Enum\\Infrared\\COM\\ROOT&INFRARED&0000", L"PortName", L"COM4");
    IniHand::WriteLog(L"VirtualComPort: " + port);
    sys::Ansi bytes;
    uint32_t error = 0;
    if (!sys::ReadWholeFile(ktDir + kTemplate9x, &bytes, &error))
        return error == sys::kErrorFileNotFound || error == sys::kErrorPathNotFound;  // no template, nothing to write
    const sys::Ansi portBytes = sys::ToAnsi(port);
    sys::Ansi out;
    for (const sys::Ansi& line : SplitLines(bytes)) out += ReplacePort(line, portBytes) + "\r\n";
    return sys::WriteWholeFile(ktDir + kDriverFile, out);
}

// A write that failed (a full disk, a file that cannot be replaced): the
// installer would work from data that is not there.
bool Written(bool ok, const std::wstring& path) {
    if (!ok) IniHand::WriteLog(L"writing init data failed: " + path);
    return ok;
}

}  // namespace

void WriteSetupData() {
    const std::wstring& os = Rs.OsName;
    std::wstring langCode;
    if (os == L"WinNT") langCode = Sprache::GetFileTranslation(Rs.SystemDir + L"unimdm.tsp");

    IniHand::WriteLog(L"writing init data START");
    bool ok = Written(sys::WriteWholeFile(Rs.TriggerFile, sys::ToAnsi(SetupSection(langCode))), Rs.TriggerFile);

    // An earlier driver file or its precompiled form would stand in for ours.
    const std::wstring infDir = Rs.WindowsDir + L"inf\\";
    DelFiles::DeleteFileIfExists(infDir + L"mdmvlm.inf");
    DelFiles::DeleteFileIfExists(infDir + L"mdmvlm.pnf");

    const std::wstring ktDir = Rs.TempDir + L"kt\\";
    std::wstring source;
    if (os == L"Win2K") source = L"mdmvlm2k.in_";
    if (os == L"WinXP") source = L"mdmvlmxp.in_";
    if (os == L"WinNT") source = L"mdmvlmnt.in_";
    if (!source.empty()) {
        ok &= Written(CopyFiles::CopyFiles(ktDir, source, ktDir, kDriverFile), ktDir + kDriverFile);
        if (Rs.NoPortSkip)
            ok &= Written(CopyFiles::CopyFiles(ktDir, source, infDir, kDriverFile), infDir + kDriverFile);
    } else {
        ok &= Written(RewriteTemplate9x(ktDir), ktDir + kDriverFile);
        if (Rs.NoPortSkip)
            ok &= Written(CopyFiles::CopyFiles(ktDir, kDriverFile, infDir, kDriverFile), infDir + kDriverFile);
    }
    if (!ok) {
        // The nearest message there is: the setup has failed, and running it
        // again (with room on the disk) is what helps. Its OK ends the run.
        Rs.MessageId = kSetupFailed;
        Rs.MessageButtons = 0;
        frmMessage::ShowModal();
        return;
    }
    IniHand::WriteLog(L"writing init data END");
}

}  // namespace WriteSetupData
