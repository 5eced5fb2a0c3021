#include "spreadsheet/bmp/pixel_rows.h"

#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QUORVANE_BYTE_SHUFFLES 1
#endif

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a 32-bit pixel's low bytes are taken as blue, green, red");

namespace spreadsheet::bmp {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

// Four pixels into three words; the row's remainder one pixel at a time.
void packFrom(int x, const uint32_t* pixels, int width, uint8_t* out) {
    out += 3 * x;
    for (; x + 4 <= width; x += 4, out += 12) {
        const uint32_t a = pixels[x], b = pixels[x + 1], c = pixels[x + 2], d = pixels[x + 3];
        const uint32_t words[3] = {(a & 0xFFFFFFu) | b << 24, (b >> 8 & 0xFFFFu) | c << 16, (c >> 16 & 0xFFu) | d << 8};
        std::memcpy(out, words, sizeof words);
    }
    for (; x < width; ++x, out += 3) std::memcpy(out, pixels + x, 3);
}

void unpackFrom(int x, const uint8_t* in, int width, uint32_t* pixels) {
    in += 3 * x;
    for (; x + 4 <= width; x += 4, in += 12) {
        uint32_t w[3];
        std::memcpy(w, in, sizeof w);
        pixels[x] = w[0] | kOpaque;
        pixels[x + 1] = (w[0] >> 24 | w[1] << 8) | kOpaque;
        pixels[x + 2] = (w[1] >> 16 | w[2] << 16) | kOpaque;
        pixels[x + 3] = w[2] >> 8 | kOpaque;
    }
    for (; x < width; ++x, in += 3) pixels[x] = kOpaque | uint32_t(in[2]) << 16 | in[1] << 8 | in[0];
}

#ifdef QUORVANE_BYTE_SHUFFLES
// Sixteen pixels a round: four loads of four pixels, each shuffled to twelve
// bytes, written as 48 bytes; loads and stores never reach past the pixels
// of the round (the shuffled tails overlap the next store and are overwritten).
__attribute__((target("ssse3"))) int packShuffled(const uint32_t* pixels, int width, uint8_t* out) {
    const __m128i drop = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    int x = 0;
    for (; x + 16 <= width; x += 16, out += 48) {
        alignas(16) uint8_t block[64];
        for (int i = 0; i < 4; ++i) {
            const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x + 4 * i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(block + 12 * i), _mm_shuffle_epi8(four, drop));
        }
        std::memcpy(out, block, 48);
    }
    return x;
}

__attribute__((target("ssse3"))) int unpackShuffled(const uint8_t* in, int width, uint32_t* pixels) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(int(kOpaque));
    int x = 0;
    for (; x + 16 <= width; x += 16, in += 48) {
        alignas(16) uint8_t block[64] = {};
        std::memcpy(block, in, 48);
        for (int i = 0; i < 4; ++i) {
            const __m128i twelve = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 12 * i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + x + 4 * i),
                             _mm_or_si128(_mm_shuffle_epi8(twelve, spread), opaque));
        }
    }
    return x;
}

bool hasByteShuffles() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}
#endif

}  // namespace

void packRowPortable(const uint32_t* pixels, int width, uint8_t* out) { packFrom(0, pixels, width, out); }
void unpackRowPortable(const uint8_t* in, int width, uint32_t* pixels) { unpackFrom(0, in, width, pixels); }

void packRow(const uint32_t* pixels, int width, uint8_t* out) {
    int done = 0;
#ifdef QUORVANE_BYTE_SHUFFLES
    if (hasByteShuffles()) done = packShuffled(pixels, width, out);
#endif
    packFrom(done, pixels, width, out);
}

void unpackRow(const uint8_t* in, int width, uint32_t* pixels) {
    int done = 0;
#ifdef QUORVANE_BYTE_SHUFFLES
    if (hasByteShuffles()) done = unpackShuffled(in, width, pixels);
#endif
    unpackFrom(done, in, width, pixels);
}

}  // namespace spreadsheet::bmp
