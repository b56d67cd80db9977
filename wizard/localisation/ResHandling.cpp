#include "localisation/ResHandling.h"

#include "core/RunState.h"
#include "dialogs/frmMessage.h"
#include "inspection/Dir_File.h"
#include "platform/IniHand.h"
#include "platform/NumberText.h"
#include "platform/sys/Files.h"
#include "platform/sys/Library.h"
#include "platform/sys/System.h"

namespace ResHandling {

namespace {

constexpr int16_t kNoLanguageLibrary = 9999;
constexpr uint32_t kProductCodeEntry = 1000;
constexpr uint32_t kProductNameEntry = 1001;
constexpr uint32_t kTextBuffer = 2048;

std::wstring Upper(std::wstring s) {
    for (auto& c : s)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return s;
}

// True when the directory listing holds the file as a plain file: hidden and
// system files and directories do not count.
bool FileExists(const std::wstring& path) {
    auto slash = path.find_last_of(L'\\');
    std::wstring name = Upper(slash == std::wstring::npos ? path : path.substr(slash + 1));
    if (name.empty()) return false;
    for (const auto& f : sys::FindFiles(path)) {
        if (f.attributes & (sys::kAttrHidden | sys::kAttrSystem | sys::kAttrDirectory)) continue;
        if (Upper(f.name) == name) return true;
    }
    return false;
}

std::wstring OwnString(uint32_t id) {
    std::wstring text;
    sys::LoadString(sys::ProgramModule(), id, kTextBuffer, &text);
    return text;
}

// Every occurrence, left to right; the inserted text is not searched again.
void ReplaceAll(std::wstring& text, const std::wstring& what, const std::wstring& with) {
    for (size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// A number in the general format: up to 15 significant digits, no trailing
// zeros, no grouping, the user's decimal separator.
std::wstring GeneralNumber(double value) {
    std::wstring separator = sys::DecimalSeparator();
    std::wstring out;
    for (wchar_t c : NumberText::General(value, 15)) {
        if (c == L'.')
            out += separator;
        else
            out += c == L'e' ? L'E' : c;
    }
    return out;
}

// ProductName and ProductCode before LoadProductStrings has run (message
// 9999 at start-up) come straight from the program's string table.
std::wstring ProductName() { return Rs.ProductName.empty() ? OwnString(kProductNameEntry) : Rs.ProductName; }
std::wstring ProductCode() { return Rs.ProductCode.empty() ? OwnString(kProductCodeEntry) : Rs.ProductCode; }

}  // namespace

// A library that is there but does not load (truncated, damaged) counts as
// missing: the default comes next, then message 9999. Kept as a null handle,
// it would leave every page, button and message of the wizard without text.
void LoadLanguageLibrary() {
    const std::wstring file = Rs.LanguageCode + L".dll";
    const std::wstring fallback = L"en.dll";
    uint32_t error = 0;
    // Loaded by the full name that was checked: a library missing there is
    // not looked for elsewhere.
    if (FileExists(Dir_File::InProgramDirectory(file))) {
        Rs.LanguageLibrary = sys::LoadLibrary(Dir_File::InProgramDirectory(file), &error);
        if (Rs.LanguageLibrary) {
            IniHand::WriteLog(L"language file " + Upper(file) + L"loaded.");
            return;
        }
        IniHand::WriteLog(L"language file " + Upper(file) + L" not loaded, error " + std::to_wstring(error));
    }
    if (Upper(file) != Upper(fallback) && FileExists(Dir_File::InProgramDirectory(fallback))) {
        Rs.LanguageLibrary = sys::LoadLibrary(Dir_File::InProgramDirectory(fallback), &error);
        if (Rs.LanguageLibrary) {
            IniHand::WriteLog(L"default language file loaded.");
            return;
        }
        IniHand::WriteLog(L"default language file not loaded, error " + std::to_wstring(error));
    }
    Rs.MessageId = kNoLanguageLibrary;
    frmMessage::ShowModal();
}

namespace {

// The table of a language's script where the library holds a table per
// script but none of that language: Chinese of Hong Kong and Macau is
// written in the Traditional script (code page 950), of Singapore in the
// Simplified one (936).
uint16_t ScriptTable(uint16_t language) {
    switch (language) {
        case 0x0C04:
        case 0x1404: return 0x0404;
        case 0x1004: return 0x0804;
        default: return language;
    }
}

}  // namespace

std::wstring GetLanguageString(int16_t id) {
    std::wstring text;
    if (id == kNoLanguageLibrary) {
        text = OwnString(static_cast<uint32_t>(id));
    } else {
        sys::Handle module = Rs.LanguageLibrary ? Rs.LanguageLibrary : sys::ProgramModule();
        // The table of the Windows language first: of a library with a table
        // per script (ZH, SR) LoadStringA takes the one of the user's locale,
        // which may be the other script, and its texts then pass through an
        // ANSI code page that lacks them.
        uint16_t language = ScriptTable(static_cast<uint16_t>(NumberText::Parse(L"0x" + Rs.LanguageId)));
        // LoadStringA takes the id as a 16-bit resource number.
        uint32_t n = sys::LoadString(module, static_cast<uint16_t>(id), kTextBuffer, &text, language);
        if (n == 0) text.clear();
    }

    ReplaceAll(text, L"\\n", L"\r\n");
    ReplaceAll(text, L"kundel", ProductName());
    ReplaceAll(text, L"kundek", ProductCode());
    ReplaceAll(text, L"%w", Rs.WindowsDrive);
    ReplaceAll(text, L"flang", Rs.CountryName);
    ReplaceAll(text, L"%d", GeneralNumber(Rs.FreeDiskSpace / 1024 / 1024));
    ReplaceAll(text, L"%r", GeneralNumber(Rs.RequiredDiskSpace / 1024 / 1024));
    return text;
}

bool RightToLeft() {
    std::wstring direction;
    if (!Rs.LanguageLibrary || sys::LoadString(Rs.LanguageLibrary, kDirectionId, 8, &direction) == 0) return false;
    return direction == L"rtl";
}

}  // namespace ResHandling
