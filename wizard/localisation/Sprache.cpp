#include "localisation/Sprache.h"

#include <exception>
#include <vector>

#include "core/RunState.h"
#include "platform/IniHand.h"
#include "platform/sys/Library.h"
#include "platform/sys/Locale.h"

namespace Sprache {

namespace {

struct LanguageEntry {
    const wchar_t* key;
    const wchar_t* code;
};

// Language ids (upper-case hex) to the codes that name the language libraries.
// clang-format off
const LanguageEntry kLanguages[] = {
    {L"0436", L"AF"}, {L"041C", L"SQ"},
    {L"0001", L"AR"}, {L"0401", L"AR"}, {L"0801", L"AR"}, {L"0C01", L"AR"}, {L"1001", L"AR"}, {L"1401", L"AR"},
    {L"1801", L"AR"}, {L"1C01", L"AR"}, {L"2001", L"AR"}, {L"2401", L"AR"}, {L"2801", L"AR"}, {L"2C01", L"AR"},
    {L"3001", L"AR"}, {L"3401", L"AR"}, {L"3801", L"AR"}, {L"3C01", L"AR"}, {L"4001", L"AR"},
    {L"042D", L"EU"},
    {L"0402", L"BG"}, {L"0423", L"BG"},
    {L"0403", L"CA"},
    {L"0004", L"ZH"}, {L"0404", L"ZH"}, {L"0804", L"ZH"}, {L"0C04", L"ZH"}, {L"1004", L"ZH"}, {L"1404", L"ZH"},
    {L"041A", L"HR"},
    {L"0405", L"CS"},
    {L"0406", L"DA"},
    {L"0413", L"NL"}, {L"0813", L"NL"},
    {L"0009", L"EN"}, {L"0409", L"EN"}, {L"0809", L"EN"}, {L"0C09", L"EN"}, {L"1009", L"EN"}, {L"1409", L"EN"},
    {L"1809", L"EN"}, {L"1C09", L"EN"}, {L"2009", L"EN"}, {L"2809", L"EN"}, {L"2C09", L"EN"},
    {L"0425", L"ET"},
    {L"0438", L"FO"},
    {L"0429", L"FA"},
    {L"040B", L"FI"},
    {L"040C", L"FR"}, {L"080C", L"FR"}, {L"0C0C", L"FR"}, {L"100C", L"FR"}, {L"140C", L"FR"},
    {L"043C", L"GD"},
    {L"0407", L"DE"}, {L"0807", L"DE"}, {L"0C07", L"DE"}, {L"1007", L"DE"}, {L"1407", L"DE"},
    {L"0408", L"EL"},
    {L"040D", L"HE"},
    {L"0439", L"HI"},
    {L"040E", L"HU"},
    {L"040F", L"IS"},
    {L"0421", L"IN"},
    {L"0410", L"IT"}, {L"0810", L"IT"},
    {L"0411", L"JA"},
    {L"0412", L"KO"},
    {L"0426", L"LV"},
    {L"0427", L"LT"},
    {L"042F", L"MK"},
    {L"043E", L"MS"},
    {L"043A", L"MT"},
    {L"0414", L"NO"}, {L"0814", L"NO"},
    {L"0415", L"PL"},
    {L"0416", L"PT"}, {L"0816", L"PT"},
    {L"0417", L"RM"},
    {L"0418", L"RO"}, {L"0818", L"RO"},
    {L"0419", L"RU"}, {L"0819", L"RU"},
    {L"0C1A", L"SR"}, {L"081A", L"SR"},
    {L"041B", L"SK"},
    {L"0424", L"SL"},
    {L"042E", L"SB"},
    {L"040A", L"ES"}, {L"080A", L"ES"}, {L"0C0A", L"ES"}, {L"100A", L"ES"}, {L"140A", L"ES"}, {L"180A", L"ES"},
    {L"1C0A", L"ES"}, {L"200A", L"ES"}, {L"240A", L"ES"}, {L"280A", L"ES"}, {L"2C0A", L"ES"}, {L"300A", L"ES"},
    {L"340A", L"ES"}, {L"380A", L"ES"}, {L"3C0A", L"ES"}, {L"400A", L"ES"}, {L"440A", L"ES"}, {L"480A", L"ES"},
    {L"4C0A", L"ES"}, {L"500A", L"ES"},
    {L"0430", L"SX"},
    {L"041D", L"SV"}, {L"081D", L"SV"},
    {L"041E", L"TH"},
    {L"0431", L"TS"},
    {L"0432", L"TN"},
    {L"041F", L"TR"},
    {L"0422", L"UK"},
    {L"0420", L"UR"},
    {L"042A", L"VI"},
    {L"0434", L"XH"},
    {L"043D", L"JI"},
    {L"0435", L"ZU"},
};
// clang-format on

std::wstring Upper(std::wstring s) {
    for (auto& c : s)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return s;
}

// The 16 bits of a word as four upper-case hex digits.
std::wstring Hex4(int16_t word) {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    uint16_t bits = static_cast<uint16_t>(word);
    std::wstring out(4, L'0');
    for (int i = 3; i >= 0; --i, bits = static_cast<uint16_t>(bits >> 4))
        out[static_cast<size_t>(i)] = kDigits[bits & 0xF];
    return out;
}

// The first translation entry of a file; 0 when the version information has
// none. False without version information.
bool FirstTranslation(const std::wstring& path, uint32_t* entry) {
    std::vector<uint32_t> entries;
    if (!sys::GetFileTranslations(path, &entries)) return false;
    *entry = entries.empty() ? 0 : entries.front();
    return true;
}

// The buffer holds nothing but spaces before the first null: the wide call
// wrote nothing (Windows 9x) or a blank item.
bool IsBlank(const std::wstring& buffer) {
    auto text = buffer.substr(0, buffer.find(L'\0'));
    return text.find_first_not_of(L' ') == std::wstring::npos;
}

// One step of the start-up inspection: a fault skips it.
template <typename Step>
void Try(Step step) {
#if __cpp_exceptions
    try {
        step();
    } catch (const std::exception&) {
    }
#else
    step();  // the shipped build has no exceptions: nothing can throw
#endif
}

}  // namespace

void GetCountryInformation() {
    Try([] { IniHand::WriteLog(L"Get country information START"); });
    Try([] { Rs.CountryName = GetLocaleString(sys::kLocaleSEngCountry); });
    Try([] { Rs.CountryCode = GetLocaleString(sys::kLocaleICountry); });
    Try([] { Rs.LanguageId = GetSystemLanguageId(); });
    Try([] { IniHand::WriteLog(L"detected language id: " + Rs.LanguageId); });
    Try([] { Rs.LanguageCode = LanguageCodeFromId(Rs.LanguageId); });
    Try([] { IniHand::WriteLog(L"detected country: " + Rs.LanguageCode); });
    Try([] { IniHand::WriteLog(L"Get country information END"); });
}

std::wstring GetLocaleString(uint32_t infoType) {
    uint32_t locale = sys::GetSystemDefaultLCID();
    uint32_t size = sys::GetLocaleInfoWSize(locale, infoType);
    if (size == 0) size = sys::GetLocaleInfoASize(locale, infoType);
    if (size == 0) return std::wstring();

    std::wstring buffer(size, L' ');
    sys::GetLocaleInfoW(locale, infoType, size, &buffer);
    if (IsBlank(buffer)) sys::GetLocaleInfoA(locale, infoType, size, &buffer);

    buffer.resize(size - 1);
    // An ANSI item of a multi-byte code page has fewer characters than bytes.
    auto end = buffer.find(L'\0');
    if (end != std::wstring::npos) buffer.resize(end);
    return buffer;
}

std::wstring GetSystemLanguageId() {
    uint32_t entry = 0;
    if (!FirstTranslation(Rs.SystemDir + L"shell32.dll", &entry)) return std::wstring();
    Rs.SystemCodePage = std::to_wstring(HiWord(entry));
    return Hex4(LoWord(entry));
}

std::wstring LanguageCodeFromId(const std::wstring& id) {
    std::wstring key = Upper(id);
    for (const auto& e : kLanguages)
        if (key == e.key) return e.code;
    return std::wstring();
}

std::wstring GetFileTranslation(const std::wstring& path) {
    uint32_t entry = 0;
    if (!FirstTranslation(path, &entry)) return std::wstring();
    return Hex4(LoWord(entry)) + Hex4(HiWord(entry));
}

int16_t LoWord(uint32_t x) { return static_cast<int16_t>(static_cast<uint16_t>(x & 0xFFFF)); }
int16_t HiWord(uint32_t x) { return static_cast<int16_t>(static_cast<uint16_t>(x >> 16)); }

}  // namespace Sprache
