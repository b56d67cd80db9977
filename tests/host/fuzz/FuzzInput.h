// Reads typed values off a fuzzer's input bytes; past the end everything is
// zero or empty, so every input is a valid (if short) arrangement.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    uint32_t U32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
        return v;
    }
    uint64_t U64() { return uint64_t{U32()} << 32 | U32(); }
    double Double() {
        uint64_t bits = U64();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    // A string whose length comes first: one byte, or 255 followed by two more
    // for long ones (up to 65535), so buffer limits in the hundreds and
    // thousands are within reach.
    std::string Bytes() {
        size_t n = Byte();
        if (n == 255) n = size_t{Byte()} << 8 | Byte();
        std::string s;
        while (n-- && at_ < size_) s += static_cast<char>(data_[at_++]);
        return s;
    }
    // 8-bit text widened as the ANSI code page 1252 maps its lower half.
    std::wstring Text() {
        std::string b = Bytes();
        return std::wstring(b.begin(), b.end());
    }
    std::string Rest() {
        std::string s(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
        at_ = size_;
        return s;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A failed check: the fuzzer reports it as a crash with this message.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

}  // namespace fuzz
