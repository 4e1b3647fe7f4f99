#include "bmpfiles.h"

#include <cstdlib>
#include <vector>

const COLORREF QUADRANT_COLOURS[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                                      RGB(255, 255, 0)};
const COLORREF QUADRANT_MONO[4] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255),
                                   RGB(0, 0, 0)};

int QuadrantOf(int x, int y, int w, int h) {
    return (y >= h / 2 ? 2 : 0) + (x >= w / 2 ? 1 : 0);
}

namespace {

void Put16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, unsigned long v) {
    Put16(s, static_cast<unsigned>(v & 0xFFFF));
    Put16(s, static_cast<unsigned>(v >> 16));
}

// File header, then the info header of 40 bytes.
std::string Headers(int w, int h, int bits, unsigned compression, std::size_t extra,
                    std::size_t imageBytes, int colours) {
    std::string s = "BM";
    const std::size_t offset = 14 + 40 + extra;
    Put32(s, static_cast<unsigned long>(offset + imageBytes));
    Put32(s, 0);
    Put32(s, static_cast<unsigned long>(offset));
    Put32(s, 40);
    Put32(s, static_cast<unsigned long>(w));
    Put32(s, static_cast<unsigned long>(h));
    Put16(s, 1);
    Put16(s, static_cast<unsigned>(bits));
    Put32(s, compression);
    Put32(s, static_cast<unsigned long>(imageBytes));
    Put32(s, 2835);
    Put32(s, 2835);
    Put32(s, static_cast<unsigned long>(colours));
    Put32(s, 0);
    return s;
}

std::string Palette(bool mono, bool quad = true) {
    std::string p;
    for (int i = 0; i < (mono ? 2 : 4); ++i) {
        const COLORREF c = mono ? QUADRANT_MONO[i == 0 ? 0 : 1] : QUADRANT_COLOURS[i];
        p += static_cast<char>(GetBValue(c));
        p += static_cast<char>(GetGValue(c));
        p += static_cast<char>(GetRValue(c));
        if (quad)
            p += '\0';
    }
    return p;
}

// The palette index of a pixel: the quadrant, or black/white for one bit.
int IndexAt(int x, int y, int w, int h, int bits) {
    const int q = QuadrantOf(x, y, w, h);
    return bits == 1 ? (q == 0 || q == 3 ? 0 : 1) : q;
}

// Rows in file order (bottom-up unless the height is negative), each padded to 4 bytes.
std::string Pixels(int w, int h, int bits, bool fields565 = false,
                   const COLORREF* colours = QUADRANT_COLOURS) {
    const int rows = std::abs(h);
    const std::size_t stride = ((static_cast<std::size_t>(w) * bits + 31) / 32) * 4;
    std::string data;
    for (int r = 0; r < rows; ++r) {
        const int y = h > 0 ? rows - 1 - r : r; // the picture row this file row holds
        std::vector<unsigned char> line(stride, 0);
        for (int x = 0; x < w; ++x) {
            const int idx = IndexAt(x, y, w, rows, bits);
            const COLORREF c = colours[QuadrantOf(x, y, w, rows)];
            const unsigned R = GetRValue(c), G = GetGValue(c), B = GetBValue(c);
            switch (bits) {
            case 1: line[x / 8] |= static_cast<unsigned char>(idx << (7 - x % 8)); break;
            case 4: line[x / 2] |= static_cast<unsigned char>(idx << (x % 2 ? 0 : 4)); break;
            case 8: line[x] = static_cast<unsigned char>(idx); break;
            case 16: {
                const unsigned v = fields565 ? ((R >> 3) << 11) | ((G >> 2) << 5) | (B >> 3)
                                             : ((R >> 3) << 10) | ((G >> 3) << 5) | (B >> 3);
                line[x * 2] = static_cast<unsigned char>(v & 0xFF);
                line[x * 2 + 1] = static_cast<unsigned char>(v >> 8);
                break;
            }
            case 24:
                line[x * 3] = static_cast<unsigned char>(B);
                line[x * 3 + 1] = static_cast<unsigned char>(G);
                line[x * 3 + 2] = static_cast<unsigned char>(R);
                break;
            case 32:
                line[x * 4] = static_cast<unsigned char>(B);
                line[x * 4 + 1] = static_cast<unsigned char>(G);
                line[x * 4 + 2] = static_cast<unsigned char>(R);
                break;
            }
        }
        data.append(line.begin(), line.end());
    }
    return data;
}

} // namespace

std::string QuadrantBmp(int w, int h, int bits) {
    const std::string palette = bits <= 8 ? Palette(bits == 1) : "";
    const std::string pixels = Pixels(w, h, bits);
    return Headers(w, h, bits, BI_RGB, palette.size(), pixels.size(),
                   bits <= 8 ? (bits == 1 ? 2 : 4) : 0) +
           palette + pixels;
}

std::string ColourBmp(int w, int h, const COLORREF (&colours)[4]) {
    const std::string pixels = Pixels(w, h, 24, false, colours);
    return Headers(w, h, 24, BI_RGB, 0, pixels.size(), 0) + pixels;
}

std::string BitfieldsBmp(int w, int h, int bits) {
    std::string masks;
    if (bits == 16) {
        Put32(masks, 0xF800);
        Put32(masks, 0x07E0);
        Put32(masks, 0x001F);
    } else {
        Put32(masks, 0x00FF0000);
        Put32(masks, 0x0000FF00);
        Put32(masks, 0x000000FF);
    }
    const std::string pixels = Pixels(w, h, bits, true);
    return Headers(w, h, bits, BI_BITFIELDS, masks.size(), pixels.size(), 0) + masks + pixels;
}

std::string RleBmp(int w, int h, int bits) {
    std::string data;
    for (int r = 0; r < h; ++r) {
        const int y = h - 1 - r;
        // Runs of at most 255 pixels of one index; in RLE4 both nibbles carry the index.
        int x = 0;
        while (x < w) {
            const int idx = IndexAt(x, y, w, h, bits);
            int n = 0;
            while (x + n < w && n < 254 && IndexAt(x + n, y, w, h, bits) == idx)
                ++n;
            data += static_cast<char>(n);
            data += static_cast<char>(bits == 4 ? (idx << 4) | idx : idx);
            x += n;
        }
        data += '\0';
        data += r == h - 1 ? '\1' : '\0'; // end of line, end of bitmap after the last
    }
    const std::string palette = Palette(false);
    return Headers(w, h, bits, bits == 8 ? BI_RLE8 : BI_RLE4, palette.size(), data.size(), 4) +
           palette + data;
}

std::string CoreBmp(int w, int h, int bits) {
    const std::string palette = bits == 8 ? Palette(false, false) : "";
    const std::string pixels = Pixels(w, h, bits);
    std::string s = "BM";
    const std::size_t offset = 14 + 12 + (bits == 8 ? 256 * 3 : 0);
    Put32(s, static_cast<unsigned long>(offset + pixels.size()));
    Put32(s, 0);
    Put32(s, static_cast<unsigned long>(offset));
    Put32(s, 12);
    Put16(s, static_cast<unsigned>(w));
    Put16(s, static_cast<unsigned>(h));
    Put16(s, 1);
    Put16(s, static_cast<unsigned>(bits));
    // A core header has no colour count: an 8-bit file carries all 256 entries.
    std::string fullPalette = palette;
    fullPalette.resize(bits == 8 ? 256 * 3 : 0, '\0');
    return s + fullPalette + pixels;
}

std::string QuadrantPixels(int w, int h, int bits) {
    return Pixels(w, h, bits);
}

std::string PromisingBmp(int w, int h, int bits, bool bitfields, const std::string& pixels) {
    std::string masks;
    if (bitfields) {
        Put32(masks, 0x00FF0000);
        Put32(masks, 0x0000FF00);
        Put32(masks, 0x000000FF);
    }
    const std::size_t promised = ((static_cast<std::size_t>(w) * bits + 31) / 32) * 4 * std::abs(h);
    return Headers(w, h, bits, bitfields ? BI_BITFIELDS : BI_RGB, masks.size(), promised, 0) +
           masks + pixels;
}

std::string ClaimingBmp(int w, int h, std::size_t pixelBytes) {
    return Headers(w, h, 24, BI_RGB, 0, pixelBytes, 0) + std::string(pixelBytes, '\x40');
}

std::string PngFile() {
    static const unsigned char png[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
        0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
        0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00, 0x0C, 0x49, 0x44, 0x41, 0x54, 0x08,
        0xD7, 0x63, 0xF8, 0xFF, 0xFF, 0x3F, 0x00, 0x05, 0xFE, 0x02, 0xFE, 0xDC, 0xCC, 0x59,
        0xE7, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    return std::string(reinterpret_cast<const char*>(png), sizeof png);
}
