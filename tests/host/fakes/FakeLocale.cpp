#include "Fakes.h"
#include "platform/sys/Locale.h"

using fake::W;

namespace {

const std::wstring* Item(const std::map<uint32_t, std::wstring>& items, uint32_t locale, uint32_t type) {
    if (locale != W().systemLcid) return nullptr;
    auto it = items.find(type);
    return it == items.end() ? nullptr : &it->second;
}

uint32_t Size(const std::wstring* item) { return item ? static_cast<uint32_t>(item->size() + 1) : 0; }

// Like the real calls: too small a buffer fails and leaves it alone.
uint32_t Read(const std::wstring* item, uint32_t bufferChars, std::wstring* buffer) {
    buffer->resize(bufferChars, L' ');
    if (!item || item->size() + 1 > bufferChars) return 0;
    std::wstring text = *item + L'\0';
    buffer->replace(0, text.size(), text);
    return static_cast<uint32_t>(text.size());
}

}  // namespace

namespace sys {

uint32_t GetSystemDefaultLCID() { return W().systemLcid; }

uint32_t GetACP() { return W().ansiCodePage; }
bool IsLeadByte(uint8_t b) { return W().ansiCodePage == 932 && ((b >= 0x81 && b <= 0x9F) || b >= 0xE0); }

uint32_t GetLocaleInfoWSize(uint32_t locale, uint32_t type) {
    return Size(fake::Fail("GetLocaleInfoW") ? nullptr : Item(W().localeW, locale, type));
}
uint32_t GetLocaleInfoW(uint32_t locale, uint32_t type, uint32_t bufferChars, std::wstring* buffer) {
    return Read(fake::Fail("GetLocaleInfoW") ? nullptr : Item(W().localeW, locale, type), bufferChars, buffer);
}

uint32_t GetLocaleInfoASize(uint32_t locale, uint32_t type) {
    return Size(fake::Fail("GetLocaleInfoA") ? nullptr : Item(W().localeA, locale, type));
}
uint32_t GetLocaleInfoA(uint32_t locale, uint32_t type, uint32_t bufferChars, std::wstring* buffer) {
    return Read(fake::Fail("GetLocaleInfoA") ? nullptr : Item(W().localeA, locale, type), bufferChars, buffer);
}

}  // namespace sys
