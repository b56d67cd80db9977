// The integer-only formatter of wizard.exe against the C library's printf,
// for every conversion and flag it claims, in 8-bit and wide output.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/Printf.h"

namespace {

template <typename Char>
int Ours(Char* out, size_t size, const Char* format, ...) {
    va_list args;
    va_start(args, format);
    int n = Printf::Format(out, size, format, args);
    va_end(args);
    return n;
}

// Each case formats one value with the 8-bit and the wide formatter of both.
#define EXPECT_LIKE_PRINTF(fmt, ...)                                    \
    do {                                                                \
        char want[128], got[128];                                       \
        int wantN = std::snprintf(want, sizeof want, fmt, __VA_ARGS__); \
        int gotN = Ours(got, sizeof got, fmt, __VA_ARGS__);             \
        EXPECT_STREQ(got, want) << fmt;                                 \
        EXPECT_EQ(gotN, wantN) << fmt;                                  \
        wchar_t wantW[128], gotW[128];                                  \
        std::swprintf(wantW, 128, L"" fmt, __VA_ARGS__);                \
        Ours(gotW, 128, L"" fmt, __VA_ARGS__);                          \
        EXPECT_EQ(std::wstring(gotW), std::wstring(wantW)) << fmt;      \
    } while (0)

TEST(PrintfTest, IntegersStringsAndCharactersAsPrintfWritesThem) {
    for (int v : {0, 7, -7, 42, 100, -32768, 65535, INT_MAX, INT_MIN}) {
        EXPECT_LIKE_PRINTF("%d", v);
        EXPECT_LIKE_PRINTF("[%5d|%-5d|%05d|%+d|% d|%.3d|%i]", v, v, v, v, v, v, v);
        EXPECT_LIKE_PRINTF("%x %X %#x %o %#o %u %08X", v, v, v, v, v, v, v);
        EXPECT_LIKE_PRINTF("%hd %hu %*d|%-*d|%.*d", v, v, 6, v, 6, v, 4, v);
    }
    for (long long v : {0LL, -1LL, 4294967296LL, LLONG_MAX, LLONG_MIN}) {
        EXPECT_LIKE_PRINTF("%lld %llx", v, v);
        char want[32], got[32];  // Microsoft's size letters, unknown to glibc
        std::snprintf(want, sizeof want, "%lld", v);
        Ours(got, sizeof got, "%I64d", v);
        EXPECT_STREQ(got, want);
    }
    EXPECT_LIKE_PRINTF("%08lX", 49ul);  // the country code of the dialing location
    EXPECT_LIKE_PRINTF("%lu %ld", 4000000000ul, -5l);
    EXPECT_LIKE_PRINTF("%zu", static_cast<size_t>(123456));
    EXPECT_LIKE_PRINTF("<%s|%6s|%-6s|%.2s>", "COM3", "ab", "ab", "abcdef");
    EXPECT_LIKE_PRINTF("<%ls|%c|%%>", L"wide", 'x');
}

TEST(PrintfTest, ShortBuffersAreCutAndTerminatedAndTheFullLengthReturned) {
    char buf[5];
    EXPECT_EQ(Ours(buf, sizeof buf, "%d", 1234567), 7);
    EXPECT_STREQ(buf, "1234");
    EXPECT_EQ(Ours(buf, 0, "%d", 1), 1);  // nothing written at all
    wchar_t wide[4];
    EXPECT_EQ(Ours(wide, 4, L"COM%d", 12), 5);
    EXPECT_EQ(std::wstring(wide), L"COM");
}

TEST(PrintfTest, FloatingPointIsCopiedAsWrittenNotFormatted) {
    char buf[32];
    Ours(buf, sizeof buf, "%f|%d", 7);  // %f takes no argument here
    EXPECT_STREQ(buf, "%f|7");
}

}  // namespace
