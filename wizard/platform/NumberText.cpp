#include "platform/NumberText.h"

#include <cstring>

namespace NumberText {

namespace {

// Unsigned integer of up to kLimbs 32-bit limbs, least significant first.
// Sized for the widest case: 800 significant decimal digits over 10^1130,
// scaled by 2^60 during division.
constexpr int kLimbs = 160;

struct Big {
    uint32_t limb[kLimbs];
    int used = 0;  // limbs in use; limb[used - 1] != 0 unless used == 0

    Big() = default;
    explicit Big(uint64_t v) {
        while (v) {
            limb[used++] = static_cast<uint32_t>(v);
            v >>= 32;
        }
    }
    bool Zero() const { return used == 0; }
    void Trim() {
        while (used && limb[used - 1] == 0) --used;
    }
    int Bits() const {
        if (!used) return 0;
        int b = 32 * (used - 1);
        for (uint32_t top = limb[used - 1]; top; top >>= 1) ++b;
        return b;
    }
    // Keeps the value below 2^(32 * kLimbs); callers bound their inputs so
    // that nothing is ever cut off here.
    void MulAdd(uint32_t factor, uint32_t add = 0) {
        uint64_t carry = add;
        for (int i = 0; i < used; ++i) {
            uint64_t t = uint64_t{limb[i]} * factor + carry;
            limb[i] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        if (carry && used < kLimbs) limb[used++] = static_cast<uint32_t>(carry);
        Trim();
    }
    void MulPow10(int n) {
        for (; n >= 9; n -= 9) MulAdd(1000000000u);
        static const uint32_t kSmall[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
        if (n > 0) MulAdd(kSmall[n]);
    }
    void ShiftLeft(int n) {
        if (!used || n <= 0) return;
        int words = n / 32, bits = n % 32;
        int top = used + words + 1;
        if (top > kLimbs) top = kLimbs;
        for (int i = top - 1; i >= 0; --i) {
            int from = i - words;
            uint32_t hi = from >= 0 && from < used ? limb[from] : 0;
            uint32_t lo = from - 1 >= 0 && from - 1 < used ? limb[from - 1] : 0;
            limb[i] = bits ? (hi << bits) | (lo >> (32 - bits)) : hi;
        }
        used = top;
        Trim();
    }
    void ShiftRight1() {
        for (int i = 0; i < used; ++i) limb[i] = (limb[i] >> 1) | (i + 1 < used ? limb[i + 1] << 31 : 0);
        Trim();
    }
    void Sub(const Big& b) {  // requires *this >= b
        uint32_t borrow = 0;
        for (int i = 0; i < used; ++i) {
            uint64_t sub = uint64_t{i < b.used ? b.limb[i] : 0} + borrow;
            borrow = limb[i] < sub;
            limb[i] = static_cast<uint32_t>(uint64_t{limb[i]} - sub);
        }
        Trim();
    }
};

int Compare(const Big& a, const Big& b) {
    if (a.used != b.used) return a.used < b.used ? -1 : 1;
    for (int i = a.used - 1; i >= 0; --i)
        if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
    return 0;
}

uint64_t Bits(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

double FromBits(uint64_t b) {
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

constexpr uint64_t kSignBit = uint64_t{1} << 63;
constexpr uint64_t kInfinity = uint64_t{0x7FF} << 52;
constexpr uint64_t kQuietNan = kInfinity | (uint64_t{1} << 51);

// floor(x * log10(2)) for |x| < 2^16, in integers.
int FloorLog10Pow2(int x) {
    int64_t p = int64_t{x} * 78913;
    return static_cast<int>(p >= 0 ? p >> 18 : -((-p + (1 << 18) - 1) >> 18));
}

// The double nearest to num / den (halves to even), both non-zero.
double Quotient(Big num, Big den, bool negative) {
    const uint64_t sign = negative ? kSignBit : 0;
    // e2 = floor(log2(num / den)).
    int e2 = num.Bits() - den.Bits();
    {
        Big a = num, b = den;
        if (e2 >= 0)
            b.ShiftLeft(e2);
        else
            a.ShiftLeft(-e2);
        if (Compare(a, b) < 0) --e2;
    }
    if (e2 > 1023) return FromBits(sign | kInfinity);
    // Significant bits the result can hold: 53, fewer below 2^-1022.
    int precision = e2 >= -1022 ? 53 : e2 + 1075;
    if (precision < 0) return FromBits(sign);
    // q = floor(num / den * 2^(precision - e2)) lies in [2^precision, 2^(precision + 1)):
    // the kept bits and one rounding bit.
    int shift = precision - e2;
    if (shift >= 0)
        num.ShiftLeft(shift);
    else
        den.ShiftLeft(-shift);
    uint64_t q = 0;
    Big step = den;
    step.ShiftLeft(precision);
    for (int bit = precision; bit >= 0; --bit) {
        if (Compare(num, step) >= 0) {
            num.Sub(step);
            q |= uint64_t{1} << bit;
        }
        step.ShiftRight1();
    }
    bool sticky = !num.Zero();
    uint64_t mantissa = q >> 1;
    if ((q & 1) && (sticky || (mantissa & 1))) ++mantissa;
    if (e2 < -1022) return FromBits(sign | mantissa);  // subnormal; a carry into bit 52 gives 2^-1022
    if (mantissa >> 53) {
        mantissa >>= 1;
        ++e2;
    }
    if (e2 > 1023) return FromBits(sign | kInfinity);
    return FromBits(sign | (uint64_t(e2 + 1023) << 52) | (mantissa & ((uint64_t{1} << 52) - 1)));
}

wchar_t Lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool StartsWithWord(const std::wstring& text, size_t at, const wchar_t* word) {
    for (; *word; ++word, ++at)
        if (at >= text.size() || Lower(text[at]) != *word) return false;
    return true;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    c = Lower(c);
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    return -1;
}

bool IsNanChar(wchar_t c) { return (c >= L'0' && c <= L'9') || (Lower(c) >= L'a' && Lower(c) <= L'z') || c == L'_'; }

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

// Reads an optional exponent (marker, sign, digits) at *at; the value is
// clamped far beyond any finite result.
bool ReadExponent(const std::wstring& text, size_t* at, wchar_t marker, int* exponent) {
    size_t i = *at;
    if (i >= text.size() || Lower(text[i]) != marker) return false;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    if (i >= text.size() || text[i] < L'0' || text[i] > L'9') return false;
    int value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        if (value < 100000) value = value * 10 + (text[i] - L'0');
    *exponent = negative ? -value : value;
    *at = i;
    return true;
}

// A decimal significand with at most this many digits decides the rounding
// of every double; later non-zero digits only act as a sticky last digit.
constexpr int kMaxDigits = 800;

double ParseDecimal(const std::wstring& text, size_t* at, bool negative) {
    size_t i = *at;
    Big digits;
    int count = 0, scale = 0;  // value = digits * 10^(scale + exponent)
    bool any = false, sticky = false, point = false;
    for (; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'.' && !point) {
            point = true;
            continue;
        }
        if (c < L'0' || c > L'9') break;
        any = true;
        if (count == 0 && c == L'0') {
            if (point) --scale;
            continue;
        }
        if (count < kMaxDigits) {
            digits.MulAdd(10, static_cast<uint32_t>(c - L'0'));
            ++count;
            if (point) --scale;
        } else {
            sticky = sticky || c != L'0';
            if (!point) ++scale;
        }
    }
    if (!any) return 0;  // no digits: nothing read
    int exponent = 0;
    ReadExponent(text, &i, L'e', &exponent);
    *at = i;
    if (sticky) {
        digits.MulAdd(10, 1);
        --scale;
    }
    if (digits.Zero()) return FromBits(negative ? kSignBit : 0);
    int e10 = scale + exponent;
    // Magnitude (count + e10 - 1 is the decimal exponent of the first digit)
    // decides hopeless cases before any large arithmetic.
    int leading = count + (sticky ? 1 : 0) + e10 - 1;
    if (leading > 310) return FromBits((negative ? kSignBit : 0) | kInfinity);
    if (leading < -330) return FromBits(negative ? kSignBit : 0);
    Big den(1);
    if (e10 >= 0)
        digits.MulPow10(e10);
    else
        den.MulPow10(-e10);
    return Quotient(digits, den, negative);
}

double ParseHex(const std::wstring& text, size_t* at, bool negative) {
    size_t i = *at + 2;  // past "0x"
    Big digits;
    int count = 0, scale = 0;  // value = digits * 2^(scale + exponent)
    bool any = false, sticky = false, point = false;
    for (; i < text.size(); ++i) {
        if (text[i] == L'.' && !point) {
            point = true;
            continue;
        }
        int d = HexDigit(text[i]);
        if (d < 0) break;
        any = true;
        if (count == 0 && d == 0) {
            if (point) scale -= 4;
            continue;
        }
        if (count < 20) {  // 80 bits hold every double plus its rounding bits
            digits.MulAdd(16, static_cast<uint32_t>(d));
            ++count;
            if (point) scale -= 4;
        } else {
            sticky = sticky || d != 0;
            if (!point) scale += 4;
        }
    }
    if (!any) {  // "0x" without digits reads as the "0"
        *at += 1;
        return FromBits(negative ? kSignBit : 0);
    }
    int exponent = 0;
    ReadExponent(text, &i, L'p', &exponent);
    *at = i;
    if (sticky) {
        digits.MulAdd(2, 1);
        scale -= 1;
    }
    if (digits.Zero()) return FromBits(negative ? kSignBit : 0);
    int e2 = scale + exponent;
    int leading = digits.Bits() - 1 + e2;
    if (leading > 1024) return FromBits((negative ? kSignBit : 0) | kInfinity);
    if (leading < -1100) return FromBits(negative ? kSignBit : 0);
    Big den(1);
    if (e2 >= 0)
        digits.ShiftLeft(e2);
    else
        den.ShiftLeft(-e2);
    return Quotient(digits, den, negative);
}

}  // namespace

std::wstring General(double value, int digits) {
    if (digits < 1) digits = 1;
    if (digits > 17) digits = 17;
    uint64_t bits = Bits(value);
    std::wstring out = (bits & kSignBit) ? L"-" : L"";
    int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    if (biased == 0x7FF) return out + (fraction ? L"nan" : L"inf");
    if (biased == 0 && fraction == 0) return out + L"0";

    // value = m * 2^e exactly.
    uint64_t m = biased ? fraction | (uint64_t{1} << 52) : fraction;
    int e = biased ? biased - 1075 : -1074;
    Big num(m), den(1);
    if (e >= 0)
        num.ShiftLeft(e);
    else
        den.ShiftLeft(-e);

    // Scale so that 1 <= num / den < 10; k is the decimal exponent.
    int k = FloorLog10Pow2(num.Bits() - 1 - den.Bits() + 1);
    if (k >= 0)
        den.MulPow10(k);
    else
        num.MulPow10(-k);
    Big ten = den;
    ten.MulAdd(10);
    while (Compare(num, ten) >= 0) {
        ++k;
        den = ten;
        ten.MulAdd(10);
    }
    while (Compare(num, den) < 0) {
        --k;
        num.MulAdd(10);
    }

    char d[18];
    for (int i = 0; i < digits; ++i) {
        if (i) num.MulAdd(10);
        int digit = 0;
        while (Compare(num, den) >= 0) {
            num.Sub(den);
            ++digit;
        }
        d[i] = static_cast<char>(digit);
    }
    // Round the remainder: above half up, exactly half to an even last digit.
    num.ShiftLeft(1);
    int half = Compare(num, den);
    if (half > 0 || (half == 0 && (d[digits - 1] & 1))) {
        int i = digits - 1;
        while (i >= 0 && d[i] == 9) d[i--] = 0;
        if (i >= 0) {
            ++d[i];
        } else {
            d[0] = 1;  // 9.99.. became 10.0..
            ++k;
        }
    }
    int last = digits - 1;  // last significant digit after dropping trailing zeros
    while (last > 0 && d[last] == 0) --last;

    if (k < -4 || k >= digits) {
        out += static_cast<wchar_t>(L'0' + d[0]);
        if (last > 0) {
            out += L'.';
            for (int i = 1; i <= last; ++i) out += static_cast<wchar_t>(L'0' + d[i]);
        }
        out += k < 0 ? L"e-" : L"e+";
        int a = k < 0 ? -k : k;
        if (a < 10) out += L'0';
        out += Integer(a);
    } else if (k < 0) {
        out += L"0.";
        out.append(static_cast<size_t>(-k - 1), L'0');
        for (int i = 0; i <= last; ++i) out += static_cast<wchar_t>(L'0' + d[i]);
    } else {
        for (int i = 0; i <= k; ++i) out += static_cast<wchar_t>(L'0' + d[i]);
        if (last > k) {
            out += L'.';
            for (int i = k + 1; i <= last; ++i) out += static_cast<wchar_t>(L'0' + d[i]);
        }
    }
    return out;
}

double Parse(const std::wstring& text, size_t* used) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    const uint64_t sign = negative ? kSignBit : 0;
    size_t start = i;
    double v = 0;
    if (StartsWithWord(text, i, L"inf")) {
        i += StartsWithWord(text, i, L"infinity") ? 8 : 3;
        v = FromBits(sign | kInfinity);
    } else if (StartsWithWord(text, i, L"nan")) {
        i += 3;
        if (i < text.size() && text[i] == L'(') {  // "nan(chars)"
            size_t j = i + 1;
            while (j < text.size() && IsNanChar(text[j])) ++j;
            if (j < text.size() && text[j] == L')') i = j + 1;
        }
        v = FromBits(sign | kQuietNan);
    } else if (i + 1 < text.size() && text[i] == L'0' && Lower(text[i + 1]) == L'x') {
        v = ParseHex(text, &i, negative);
    } else {
        v = ParseDecimal(text, &i, negative);
    }
    if (i == start) {  // no number at all: nothing is read, not even the blanks
        i = 0;
        v = 0;
    }
    if (used) *used = i;
    return v;
}

std::wstring Integer(int64_t value) {
    uint64_t a = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    wchar_t buf[24];
    int n = 0;
    do {
        uint32_t low;
        if (a >> 32) {
            low = static_cast<uint32_t>(a % 10);
            a /= 10;
        } else {  // 32-bit steps for the common case
            uint32_t a32 = static_cast<uint32_t>(a);
            low = a32 % 10;
            a = a32 / 10;
        }
        buf[n++] = static_cast<wchar_t>(L'0' + low);
    } while (a);
    std::wstring out = value < 0 ? L"-" : L"";
    while (n) out += buf[--n];
    return out;
}

}  // namespace NumberText
