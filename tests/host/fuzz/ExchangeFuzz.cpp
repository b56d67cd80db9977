// Exchange-file values as the watch timers read them: the number parsers
// against a reference, and every key the timers read from a file of any bytes
// (TimersFuzz.cpp feeds such files to the timers themselves).
#include <string>

#include "FuzzInput.h"
#include "TestSupport.h"
#include "core/ExchangeFile.h"

namespace {

const wchar_t* const kTrigger = L"C:\\TEMP\\KTI1A.TMP";

// The number the companions mean, or false: blanks around an optional sign
// and at least one digit, nothing else.
bool Reference(const std::wstring& text, long long* value) {
    size_t i = text.find_first_not_of(L" \t"), end = text.find_last_not_of(L" \t");
    if (i == std::wstring::npos) return false;
    bool negative = text[i] == L'-';
    if (text[i] == L'-' || text[i] == L'+') ++i;
    if (i > end) return false;
    long long v = 0;
    for (; i <= end; ++i) {
        if (text[i] < L'0' || text[i] > L'9') return false;
        if (v < 1000000) v = v * 10 + (text[i] - L'0');
    }
    *value = negative ? -v : v;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::map<uint32_t, std::wstring> config = (testsupport::FreshWorld(), fake::W().modules[0].strings);
    fuzz::Input in(data, size);

    // The parsers against the reference.
    std::wstring text = in.Text();
    long long want = 0;
    bool valid = Reference(text, &want);
    int16_t number = 7, progress = 7;
    bool isNumber = ExchangeFile::ToNumber(text, &number);
    bool isProgress = ExchangeFile::ToProgress(text, &progress);
    fuzz::Check(isNumber == (valid && want >= -32768 && want <= 32767), "ToNumber accepts the wrong texts");
    fuzz::Check(isProgress == valid, "ToProgress accepts the wrong texts");
    if (isNumber) fuzz::Check(number == want, "ToNumber reads another value");
    if (!isNumber) fuzz::Check(number == 7, "ToNumber changed the value of a rejected text");
    if (isProgress)
        fuzz::Check(progress == (want < -32768  ? -32768
                                 : want > 32767 ? 32767
                                                : want),
                    "ToProgress reads another value");

    // Every key the timers read, from a file of the input's bytes.
    fake::Reset();
    ResetRunState();
    fake::W().modules[0].strings = config;
    Rs.TriggerFile = kTrigger;
    fake::PutFile(kTrigger, in.Rest());
    for (const wchar_t* section : {L"CM_32", L"IrDA"})
        for (const wchar_t* key : {L"trigger", L"triggertext", L"GetDirectory"}) {
            std::wstring value = ExchangeFile::Read(section, key, L"0");
            fuzz::Check(value.size() <= 2047, "an exchange-file value longer than its buffer");
            int16_t n = 0;
            if (ExchangeFile::ToProgress(value, &n)) {
                long long r = 0;
                fuzz::Check(Reference(value, &r), "ToProgress read what the reference refuses");
            }
        }
    return 0;
}
