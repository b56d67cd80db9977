// NumberText against the C library: any double formatted with any precision,
// and any text parsed, must come out exactly as snprintf and wcstod have it.
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "FuzzInput.h"
#include "platform/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    double v = in.Double();
    int digits = 1 + in.Byte() % 17;
    if (v == v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*g", digits, v);
        std::wstring want(buf, buf + std::strlen(buf));
        fuzz::Check(NumberText::General(v, digits) == want, "General differs from printf");
    }
    std::string bytes = in.Rest();
    std::wstring text(bytes.begin(), bytes.end());
    text = text.substr(0, text.find(L'\0'));
    wchar_t* end = nullptr;
    double want = std::wcstod(text.c_str(), &end);
    size_t used = 0;
    double got = NumberText::Parse(text, &used);
    fuzz::Check(used == static_cast<size_t>(end - text.c_str()), "Parse read another length than wcstod");
    if (want == want) {
        fuzz::Check(std::memcmp(&want, &got, sizeof want) == 0, "Parse differs from wcstod");
    } else {
        fuzz::Check(got != got, "Parse missed a NaN");
    }
    return 0;
}
