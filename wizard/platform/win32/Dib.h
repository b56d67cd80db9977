// The program's 8-bit bitmap resources as plain DIBs, for displays with a
// palette. LoadBitmap would turn them into bitmaps of the display at once,
// mapping every colour through the palette of that moment (the 20 colours
// Windows reserves); a DIB keeps its colour table, and StretchDIBits maps it
// through the palette selected when it draws. Internal to platform/win32.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32/Win32.h"

namespace win32 {

struct Dib {
    // The header with biCompression BI_RGB, then the colour table.
    std::vector<uint8_t> info;
    // Bottom-up rows of colour indices, each padded to 4 bytes.
    std::vector<uint8_t> bits;

    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(info.data()); }
    int Width() const { return Info()->bmiHeader.biWidth; }
    int Height() const { return Info()->bmiHeader.biHeight; }
};

// The bytes of a module's resource (name and type as FindResourceA takes
// them) and their count, or null.
const uint8_t* ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type, size_t* size);

// Rows of BI_RLE8 data into bits (stride bytes a row, zero where the data
// leaves a pixel out). False for data that runs past its end or its rows.
bool DecodeRle8(const uint8_t* data, size_t size, int width, int height, size_t stride, uint8_t* bits);

// The bitmap resource id of a module as a DIB: 8-bit, BI_RGB or BI_RLE8,
// bottom-up. False for anything else.
bool LoadDib(HMODULE module, int id, Dib* out);

}  // namespace win32
