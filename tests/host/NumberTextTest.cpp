// NumberText against the host C library, which formats and parses exactly:
// one walk over edge values and a fixed stream of random bit patterns.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <random>
#include <string>

#include "platform/NumberText.h"

namespace {

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

std::wstring Printf(double v, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, v);
    return Widen(buf);
}

uint64_t BitsOf(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// Parse must agree with wcstod on the value (bit for bit, NaNs as NaNs) and on
// the number of characters read.
void ExpectParsesLikeWcstod(const std::wstring& text) {
    wchar_t* end = nullptr;
    double want = std::wcstod(text.c_str(), &end);
    size_t used = 0;
    double got = NumberText::Parse(text, &used);
    if (want != want) {
        EXPECT_NE(got, got) << std::string(text.begin(), text.end());
    } else {
        EXPECT_EQ(BitsOf(got), BitsOf(want)) << std::string(text.begin(), text.end());
    }
    EXPECT_EQ(used, static_cast<size_t>(end - text.c_str())) << std::string(text.begin(), text.end());
}

TEST(NumberTextTest, GeneralFormatKeepsTheWizardsTexts) {
    // Disk space in MiB (the placeholders %d and %r).
    EXPECT_EQ(NumberText::General(52428800.0 / 1024 / 1024), L"50");
    EXPECT_EQ(NumberText::General(40000000.0 / 1024 / 1024), L"38.14697265625");
    EXPECT_EQ(NumberText::General(100.0 / 1024 / 1024), L"9.5367431640625e-05");
    EXPECT_EQ(NumberText::General(1e15), L"1e+15");
    EXPECT_EQ(NumberText::General(999999999999999.0), L"999999999999999");
    EXPECT_EQ(NumberText::General(-0.0), L"-0");
    EXPECT_EQ(NumberText::General(1.0 / 0.0), L"inf");
    EXPECT_EQ(NumberText::General(0.1 + 0.2), L"0.3");
    EXPECT_EQ(NumberText::General(0.1 + 0.2, 17), L"0.30000000000000004");
    // Exact halves round to an even last digit, as the C library does.
    EXPECT_EQ(NumberText::General(100000000000000.5), L"100000000000000");
    EXPECT_EQ(NumberText::General(100000000000001.5), L"100000000000002");
}

TEST(NumberTextTest, GeneralFormatMatchesPrintfForEveryPrecision) {
    const double edges[] = {0,
                            1,
                            9.5,
                            99.5,
                            0.0001,
                            0.00001,
                            123456.789,
                            5e-324,
                            2.2250738585072014e-308,
                            1.7976931348623157e308,
                            999999999999999.9,
                            0.000099999999999999999,
                            1e100};
    for (double v : edges)
        for (int digits = 1; digits <= 17; ++digits) {
            EXPECT_EQ(NumberText::General(v, digits), Printf(v, digits)) << v << " " << digits;
            EXPECT_EQ(NumberText::General(-v, digits), Printf(-v, digits)) << v << " " << digits;
        }
    std::mt19937_64 random(20021207);
    for (int i = 0; i < 20000; ++i) {
        uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (v != v) continue;  // printf spells NaNs with their sign, not needed here
        int digits = 1 + i % 17;
        ASSERT_EQ(NumberText::General(v, digits), Printf(v, digits)) << bits;
    }
}

TEST(NumberTextTest, ParseReadsWhatWcstodReads) {
    EXPECT_EQ(NumberText::Parse(L"52428800"), 52428800.0);
    EXPECT_EQ(NumberText::Parse(L"31457280"), 31457280.0);
    EXPECT_EQ(NumberText::Parse(L"Ver.: 4"), 0.0);
    const wchar_t* texts[] = {L"  -12.5e3x",
                              L"1e",
                              L"1e+",
                              L"1.e5",
                              L".5",
                              L".",
                              L"-",
                              L"+-1",
                              L"0x",
                              L"0x1p3",
                              L"0x1p-2000",
                              L"0x.8",
                              L"0X1.8P-1",
                              L"-0x1.fffffffffffffp1023",
                              L"0x1.fffffffffffff8p1023",
                              L"inf",
                              L"-Infinity",
                              L"INFIN",
                              L"nan",
                              L"nan(abc)",
                              L"nan(",
                              L"4.9406564584124654e-324",
                              L"2.4703282292062327e-324",
                              L"2.4703282292062328e-324",
                              L"2.2250738585072011e-308",
                              L"1e-400",
                              L"1e400",
                              L"1e99999999999",
                              L"0.1",
                              L"\t\n 7",
                              L"0000000000000012",
                              L"1,5",
                              L"9007199254740993",
                              L"179769313486231580793728971405303415079934132710037826936173778980444968"};
    for (const wchar_t* t : texts) ExpectParsesLikeWcstod(t);
    // Far more digits than any double needs, with the deciding digit at the end.
    ExpectParsesLikeWcstod(L"9007199254740993" + std::wstring(900, L'0') + L"1e-900");
    ExpectParsesLikeWcstod(L"0." + std::wstring(400, L'0') +
                           L"24703282292062327208828439643411068618252990130716238221279284125033775364");

    std::mt19937_64 random(19950824);
    char buf[64];
    for (int i = 0; i < 20000; ++i) {
        uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        std::snprintf(buf, sizeof buf, i % 2 ? "%.*g" : "%.*a", 1 + i % 20, v);
        ExpectParsesLikeWcstod(Widen(buf));
    }
}

TEST(NumberTextTest, Integers) {
    EXPECT_EQ(NumberText::Integer(0), L"0");
    EXPECT_EQ(NumberText::Integer(-42), L"-42");
    EXPECT_EQ(NumberText::Integer(INT64_MIN), L"-9223372036854775808");
    EXPECT_EQ(NumberText::Integer(4294967296), L"4294967296");
}

}  // namespace
