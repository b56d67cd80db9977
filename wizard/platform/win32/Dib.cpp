#include "platform/win32/Dib.h"

#include <cstring>

namespace win32 {

bool DecodeRle8(const uint8_t* data, size_t size, int width, int height, size_t stride, uint8_t* bits) {
    if (width <= 0 || height <= 0 || stride < static_cast<size_t>(width)) return false;
    std::memset(bits, 0, stride * static_cast<size_t>(height));
    int x = 0, y = 0;  // y counts rows from the bottom, as the data does
    size_t i = 0;
    while (i + 1 < size) {
        uint8_t count = data[i], value = data[i + 1];
        i += 2;
        if (count) {  // a run of one index
            if (y >= height || x + count > width) return false;
            std::memset(bits + static_cast<size_t>(y) * stride + x, value, count);
            x += count;
            continue;
        }
        switch (value) {
            case 0:  // end of line
                x = 0;
                ++y;
                break;
            case 1:  // end of bitmap
                return true;
            case 2:  // delta: skip right and up
                if (i + 1 >= size) return false;
                x += data[i];
                y += data[i + 1];
                i += 2;
                if (x > width) return false;
                break;
            default: {  // absolute: value indices follow, padded to a word
                if (y >= height || x + value > width || i + value > size) return false;
                std::memcpy(bits + static_cast<size_t>(y) * stride + x, data + i, value);
                x += value;
                i += value + (value & 1);
                break;
            }
        }
    }
    // Data without its end mark: whole only when every row was given.
    return y >= height || (y == height - 1 && x == width);
}

const uint8_t* ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type, size_t* size) {
    HRSRC res = FindResourceA(module, name, type);
    HGLOBAL loaded = res ? LoadResource(module, res) : nullptr;
    const uint8_t* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    *size = data ? SizeofResource(module, res) : 0;
    return data;
}

bool LoadDib(HMODULE module, int id, Dib* out) {
    size_t size = 0;
    const uint8_t* data = ResourceBytes(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2), &size);  // RT_BITMAP
    if (!data || size < sizeof(BITMAPINFOHEADER)) return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof(header));
    if (header.biSize < sizeof(header) || header.biBitCount != 8 || header.biPlanes != 1 || header.biWidth <= 0 ||
        header.biHeight <= 0 || header.biWidth > 4096 || header.biHeight > 4096)
        return false;
    size_t colours = header.biClrUsed ? header.biClrUsed : 256;
    if (colours > 256) return false;
    size_t table = colours * sizeof(RGBQUAD);
    if (size < header.biSize + table) return false;
    const uint8_t* pixels = data + header.biSize + table;
    size_t pixelBytes = size - header.biSize - table;

    size_t stride = (static_cast<size_t>(header.biWidth) + 3) & ~static_cast<size_t>(3);
    out->bits.assign(stride * static_cast<size_t>(header.biHeight), 0);
    if (header.biCompression == BI_RLE8) {
        if (!DecodeRle8(pixels, pixelBytes, header.biWidth, header.biHeight, stride, out->bits.data())) return false;
    } else if (header.biCompression == BI_RGB && pixelBytes >= out->bits.size()) {
        std::memcpy(out->bits.data(), pixels, out->bits.size());
    } else {
        return false;
    }
    BITMAPINFOHEADER plain = header;
    plain.biSize = sizeof(plain);
    plain.biCompression = BI_RGB;
    plain.biSizeImage = static_cast<DWORD>(out->bits.size());
    plain.biClrUsed = static_cast<DWORD>(colours);
    out->info.resize(sizeof(plain) + table);
    std::memcpy(out->info.data(), &plain, sizeof(plain));
    std::memcpy(out->info.data() + sizeof(plain), data + header.biSize, table);
    return true;
}

}  // namespace win32
