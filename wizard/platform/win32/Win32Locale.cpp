#include <algorithm>
#include <vector>

#include "platform/sys/Locale.h"
#include "platform/win32/Win32.h"

namespace sys {

static_assert(kLocaleICountry == LOCALE_ICOUNTRY && kLocaleSEngCountry == LOCALE_SENGCOUNTRY);

namespace {
// Writes item and its null over the start of the caller's buffer, which keeps
// its length.
void Overwrite(const std::wstring& item, uint32_t bufferChars, std::wstring* buffer) {
    buffer->resize(bufferChars, L' ');
    std::wstring text = item + L'\0';
    buffer->replace(0, std::min<size_t>(text.size(), bufferChars), text, 0, std::min<size_t>(text.size(), bufferChars));
}
}  // namespace

uint32_t GetSystemDefaultLCID() { return ::GetSystemDefaultLCID(); }

uint32_t GetACP() { return ::GetACP(); }

bool IsLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != FALSE; }

uint32_t GetLocaleInfoWSize(uint32_t locale, uint32_t type) { return ::GetLocaleInfoW(locale, type, nullptr, 0); }

uint32_t GetLocaleInfoW(uint32_t locale, uint32_t type, uint32_t bufferChars, std::wstring* buffer) {
    if (bufferChars == 0) return 0;
    std::vector<WCHAR> buf(bufferChars, L' ');
    for (size_t i = 0; i < buffer->size() && i < bufferChars; ++i) buf[i] = static_cast<WCHAR>((*buffer)[i]);
    int n = ::GetLocaleInfoW(locale, type, buf.data(), static_cast<int>(bufferChars));
    if (n > 0) {
        buffer->assign(buf.begin(), buf.end());
    } else {
        buffer->resize(bufferChars, L' ');
    }
    return n > 0 ? static_cast<uint32_t>(n) : 0;
}

uint32_t GetLocaleInfoASize(uint32_t locale, uint32_t type) { return ::GetLocaleInfoA(locale, type, nullptr, 0); }

uint32_t GetLocaleInfoA(uint32_t locale, uint32_t type, uint32_t bufferChars, std::wstring* buffer) {
    if (bufferChars == 0) return 0;
    std::string buf(bufferChars, ' ');
    int n = ::GetLocaleInfoA(locale, type, &buf[0], static_cast<int>(bufferChars));
    if (n > 0) {
        Overwrite(FromAnsi(buf.substr(0, static_cast<size_t>(n - 1))), bufferChars, buffer);
    } else {
        buffer->resize(bufferChars, L' ');
    }
    return n > 0 ? static_cast<uint32_t>(n) : 0;
}

}  // namespace sys
