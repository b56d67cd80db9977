// The integer-only printf formatter that wizard.exe uses in place of MinGW's
// (Runtime.cpp): MinGW's own one formats floating point with code built for
// the Pentium Pro. Header-only so that the host tests can compare it with the
// C library's.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace Printf {

// The printf conversions that the wizard's code and the C++ library use:
// flags "-0+ #", width and precision (also "*"), the size letters h, l, ll,
// I64, z and the conversions d i u x X o c s S %. Anything else (floating
// point among it) is copied as written, so it shows rather than misleads.
template <typename Char>
inline int Format(Char* out, size_t size, const Char* format, va_list args) {
    size_t n = 0;
    auto put = [&](Char c) {
        if (n + 1 < size) out[n] = c;
        ++n;
    };
    for (const Char* p = format; *p; ++p) {
        if (*p != '%') {
            put(*p);
            continue;
        }
        const Char* start = p++;
        bool left = false, zero = false, plus = false, space = false, alt = false;
        for (;; ++p) {
            if (*p == '-')
                left = true;
            else if (*p == '0')
                zero = true;
            else if (*p == '+')
                plus = true;
            else if (*p == ' ')
                space = true;
            else if (*p == '#')
                alt = true;
            else
                break;
        }
        int width = 0, precision = -1;
        if (*p == '*') {
            width = va_arg(args, int);
            if (width < 0) {
                left = true;
                width = -width;
            }
            ++p;
        } else {
            while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
        }
        if (*p == '.') {
            ++p;
            precision = 0;
            if (*p == '*') {
                precision = va_arg(args, int);
                ++p;
            } else {
                while (*p >= '0' && *p <= '9') precision = precision * 10 + (*p++ - '0');
            }
        }
        int longs = 0;  // 0 int, 1 long, 2 long long
        bool half = false, wide = false;
        for (;; ++p) {
            if (*p == 'h')
                half = true;
            else if (*p == 'l')
                ++longs, wide = true;
            else if (*p == 'z')
                longs = sizeof(size_t) > sizeof(long) ? 2 : 1;
            else if (p[0] == 'I' && p[1] == '6' && p[2] == '4')
                longs = 2, p += 2;
            else
                break;
        }
        Char conversion = *p;
        Char digits[72];
        int count = 0;
        const char* prefix = nullptr;
        Char sign = 0;
        if (conversion == 'd' || conversion == 'i' || conversion == 'u' || conversion == 'x' || conversion == 'X' ||
            conversion == 'o') {
            unsigned long long v;
            bool negative = false;
            if (conversion == 'd' || conversion == 'i') {
                long long s = longs == 2   ? va_arg(args, long long)
                              : longs == 1 ? va_arg(args, long)
                                           : va_arg(args, int);
                if (half) s = static_cast<short>(s);
                negative = s < 0;
                v = negative ? 0 - static_cast<unsigned long long>(s) : static_cast<unsigned long long>(s);
                sign = negative ? '-' : plus ? '+' : space ? ' ' : 0;
            } else {
                v = longs == 2   ? va_arg(args, unsigned long long)
                    : longs == 1 ? va_arg(args, unsigned long)
                                 : va_arg(args, unsigned int);
                if (half) v = static_cast<unsigned short>(v);
            }
            unsigned base = conversion == 'o' ? 8 : (conversion == 'x' || conversion == 'X') ? 16 : 10;
            const char* set = conversion == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
            if (alt && base == 16 && v) prefix = conversion == 'X' ? "0X" : "0x";  // as printf: only for non-zero
            for (unsigned long long r = v; r; r /= base) digits[count++] = set[r % base];
            if (precision < 0 && !count) digits[count++] = '0';
            while (count < precision && count < 64) digits[count++] = '0';
            if (alt && base == 8 && (!count || digits[count - 1] != '0')) digits[count++] = '0';
            if (precision >= 0) zero = false;
            int length = count + (sign ? 1 : 0) + (prefix ? 2 : 0);
            int pad = width > length ? width - length : 0;
            if (!left && !zero)
                while (pad-- > 0) put(' ');
            if (sign) put(sign);
            if (prefix) put(prefix[0]), put(prefix[1]);
            if (!left && zero)
                while (pad-- > 0) put('0');
            while (count) put(digits[--count]);
            if (left)
                while (pad-- > 0) put(' ');
        } else if (conversion == 'c') {
            Char c = static_cast<Char>(va_arg(args, int));
            for (int pad = width - 1; !left && pad > 0; --pad) put(' ');
            put(c);
            for (int pad = width - 1; left && pad > 0; --pad) put(' ');
        } else if (conversion == 's' || conversion == 'S') {
            // As C99 (and MinGW's own formatter): %s is 8-bit text, %ls and %S wide text.
            const bool fromWide = wide || conversion == 'S';
            const void* text = va_arg(args, const void*);
            if (!text) text = fromWide ? static_cast<const void*>(L"(null)") : "(null)";
            auto at = [&](size_t i) -> unsigned {
                return fromWide ? static_cast<unsigned>(static_cast<const wchar_t*>(text)[i])
                                : static_cast<unsigned char>(static_cast<const char*>(text)[i]);
            };
            size_t length = 0;
            while ((precision < 0 || length < static_cast<size_t>(precision)) && at(length)) ++length;
            int pad = width > static_cast<int>(length) ? width - static_cast<int>(length) : 0;
            if (!left)
                while (pad-- > 0) put(' ');
            for (size_t i = 0; i < length; ++i) put(static_cast<Char>(at(i)));  // 8-bit <-> wide: ASCII survives
            if (left)
                while (pad-- > 0) put(' ');
        } else if (conversion == '%') {
            put('%');
        } else {
            for (const Char* q = start; q <= p && *q; ++q) put(*q);
            if (!*p) break;
        }
    }
    if (size) out[n < size ? n : size - 1] = 0;
    return static_cast<int>(n);
}

}  // namespace Printf
