#include "core/ExchangeFile.h"

#include "core/RunState.h"
#include "platform/IniHand.h"

namespace ExchangeFile {

namespace {

constexpr int32_t kMin = -32768;
constexpr int32_t kMax = 32767;

// The number clamped to just outside the 16-bit range, so that the caller
// can tell an overflow from a value at the limit.
bool Parse(const std::wstring& text, int32_t* number) {
    size_t i = 0, end = text.size();
    while (i < end && (text[i] == L' ' || text[i] == L'\t')) ++i;
    while (end > i && (text[end - 1] == L' ' || text[end - 1] == L'\t')) --end;
    bool negative = false;
    if (i < end && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    if (i == end) return false;
    int32_t n = 0;
    for (; i < end; ++i) {
        if (text[i] < L'0' || text[i] > L'9') return false;
        // Stop growing once past the range; the digits must still all be digits.
        if (n <= kMax + 1) n = n * 10 + (text[i] - L'0');
    }
    if (n > kMax + 1) n = kMax + 2;
    *number = negative ? -n : n;
    return true;
}

}  // namespace

bool ToNumber(const std::wstring& text, int16_t* value) {
    int32_t n = 0;
    if (!Parse(text, &n) || n < kMin || n > kMax) return false;
    *value = static_cast<int16_t>(n);
    return true;
}

bool ToProgress(const std::wstring& text, int16_t* value) {
    int32_t n = 0;
    if (!Parse(text, &n)) return false;
    *value = static_cast<int16_t>(n < kMin ? kMin : n > kMax ? kMax : n);
    return true;
}

std::wstring Read(const std::wstring& section, const std::wstring& key, const std::wstring& def) {
    return IniHand::ReadIni(section, key, def, Rs.TriggerFile);
}

}  // namespace ExchangeFile
