// Rows of the 24-bit bitmap both ways, at every width that exercises the
// sixteen-, four- and one-pixel paths: the fast path gives what the plain
// loop gives, unpacking undoes packing with opaque alpha, and nothing is read
// or written past a row (the buffers are exactly a row long, so the
// sanitizer build catches any overrun).
#include "spreadsheet/bmp/pixel_rows.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace bmp = spreadsheet::bmp;

TEST(PixelRows, pack_and_unpack_agree_with_the_plain_loops_and_undo_each_other_at_every_width) {
    std::mt19937 random(42);
    std::vector<int> widths;
    for (int w = 1; w <= 40; ++w) widths.push_back(w);
    widths.push_back(1162);
    for (const int width : widths) {
        SCOPED_TRACE(width);
        std::vector<uint32_t> pixels(static_cast<size_t>(width));
        for (uint32_t& p : pixels) p = random();  // alpha of any value: packing drops it
        std::vector<uint8_t> packed(static_cast<size_t>(width) * 3), plain(static_cast<size_t>(width) * 3);
        bmp::packRow(pixels.data(), width, packed.data());
        bmp::packRowPortable(pixels.data(), width, plain.data());
        EXPECT_EQ(packed, plain);
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(packed[size_t(3 * x)], uint8_t(pixels[size_t(x)])) << x;              // blue
            EXPECT_EQ(packed[size_t(3 * x + 2)], uint8_t(pixels[size_t(x)] >> 16)) << x;    // red
        }

        std::vector<uint32_t> unpacked(static_cast<size_t>(width)), unpackedPlain(static_cast<size_t>(width));
        bmp::unpackRow(packed.data(), width, unpacked.data());
        bmp::unpackRowPortable(packed.data(), width, unpackedPlain.data());
        EXPECT_EQ(unpacked, unpackedPlain);
        for (int x = 0; x < width; ++x) EXPECT_EQ(unpacked[size_t(x)], pixels[size_t(x)] | 0xFF000000u) << x;
    }
}
