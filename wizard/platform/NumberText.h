// Numbers to text and back without the C library's floating-point formatting
// and parsing: those pull in code that needs a Pentium Pro or later, and the
// wizard runs on the Pentium. Results match the C library's exactly.
#pragma once

#include <cstdint>
#include <string>

namespace NumberText {

// printf's "%.<digits>g" in the C locale: correctly rounded (halves to even)
// to digits significant digits (1 to 17), trailing zeros dropped, exponent
// form "1.5e+20" / "1e-05" outside 1e-4 <= |value| < 10^digits; "inf", "nan".
std::wstring General(double value, int digits = 15);

// wcstod of the start of text: leading blanks, a sign, decimal digits with an
// optional point and exponent, a hexadecimal "0x" number with an optional
// binary exponent, "inf", "infinity" or "nan"; correctly rounded. 0 when the
// text starts with no number. *used, when given, receives the characters read.
double Parse(const std::wstring& text, size_t* used = nullptr);

// Decimal text of an integer, as "%lld" writes it.
std::wstring Integer(int64_t value);

}  // namespace NumberText
