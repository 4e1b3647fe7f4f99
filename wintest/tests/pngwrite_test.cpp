// The PNG writer, read back by a decoder of its own: every chunk's CRC, the zlib frame with
// its stored blocks and Adler-32, and the pixels row by row.
#include "pngwrite.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

uint32_t Get32(const std::string& s, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

// Bit by bit, without a table: the CRC of the PNG standard.
uint32_t SlowCrc(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

struct Chunk {
    std::string type, data;
};

// Splits the file after its signature into chunks, checking each length and CRC.
std::vector<Chunk> ReadChunks(const std::string& png) {
    std::vector<Chunk> chunks;
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t length = Get32(png, at);
        EXPECT_LE(at + 12 + length, png.size()) << "a chunk runs past the file";
        if (at + 12 + length > png.size())
            break;
        const std::string body = png.substr(at + 4, 4 + length);
        EXPECT_EQ(Get32(png, at + 8 + length), SlowCrc(body)) << body.substr(0, 4);
        chunks.push_back({body.substr(0, 4), body.substr(4)});
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size()) << "bytes after the last chunk";
    return chunks;
}

// The bytes inside a zlib stream of stored blocks; checks the header, each block's length
// against its complement, the last-block mark and the Adler-32 at the end.
std::string Inflate(const std::string& z, int* blocks) {
    *blocks = 0;
    EXPECT_EQ((static_cast<unsigned char>(z[0]) * 256 + static_cast<unsigned char>(z[1])) % 31, 0)
        << "zlib header check";
    EXPECT_EQ(z[0] & 0x0F, 8) << "deflate";
    std::string out;
    size_t at = 2;
    for (bool last = false; !last;) {
        if (at + 5 > z.size()) {
            ADD_FAILURE() << "the stream ends inside a block header";
            return out;
        }
        const unsigned char head = static_cast<unsigned char>(z[at]);
        last = (head & 1) != 0;
        EXPECT_EQ(head >> 1, 0) << "a stored block";
        const unsigned len =
            static_cast<unsigned char>(z[at + 1]) | static_cast<unsigned char>(z[at + 2]) << 8;
        const unsigned nlen =
            static_cast<unsigned char>(z[at + 3]) | static_cast<unsigned char>(z[at + 4]) << 8;
        EXPECT_EQ(len ^ 0xFFFFu, nlen) << "block " << *blocks;
        out += z.substr(at + 5, len);
        at += 5 + len;
        ++*blocks;
    }
    uint32_t a = 1, b = 0;
    for (unsigned char c : out) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(at + 4, z.size());
    EXPECT_EQ(Get32(z, at), b << 16 | a) << "Adler-32";
    return out;
}

TEST(EncodePng, DecodesToThePixelsInRowsOfStoredBlocks) {
    struct Case {
        const char* what;
        int w, h;
        int blocks;
    } cases[] = {
        {"one pixel", 1, 1, 1},
        {"a small window", 7, 3, 1},
        // 150 rows of 1 + 450 bytes: more than one stored block holds.
        {"larger than one block", 150, 150, 2},
        {"exactly one full block", 28, 771, 1}, // 771 rows of 1 + 84 bytes: 65535
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<unsigned char> rgb(static_cast<size_t>(c.w) * c.h * 3);
        for (size_t i = 0; i < rgb.size(); ++i)
            rgb[i] = static_cast<unsigned char>(i * 7 + i / 251);
        const std::vector<Chunk> chunks = ReadChunks(EncodePng(c.w, c.h, rgb));
        ASSERT_EQ(chunks.size(), 3u);
        EXPECT_EQ(chunks[0].type, "IHDR");
        ASSERT_EQ(chunks[0].data.size(), 13u);
        EXPECT_EQ(Get32(chunks[0].data, 0), static_cast<uint32_t>(c.w));
        EXPECT_EQ(Get32(chunks[0].data, 4), static_cast<uint32_t>(c.h));
        // 8 bits a sample, truecolour, deflate, no filter method beyond 0, no interlace.
        EXPECT_EQ(chunks[0].data.substr(8), std::string("\x08\x02\x00\x00\x00", 5));
        EXPECT_EQ(chunks[1].type, "IDAT");
        EXPECT_EQ(chunks[2].type, "IEND");
        EXPECT_TRUE(chunks[2].data.empty());

        int blocks = 0;
        const std::string raw = Inflate(chunks[1].data, &blocks);
        EXPECT_EQ(blocks, c.blocks);
        const size_t row = 1 + static_cast<size_t>(c.w) * 3;
        ASSERT_EQ(raw.size(), row * c.h);
        for (int y = 0; y < c.h; ++y) {
            EXPECT_EQ(raw[y * row], '\0') << "row " << y << " has no filter";
            EXPECT_EQ(raw.substr(y * row + 1, row - 1),
                      std::string(reinterpret_cast<const char*>(&rgb[y * (row - 1)]), row - 1))
                << "row " << y;
        }
    }
}

} // namespace
