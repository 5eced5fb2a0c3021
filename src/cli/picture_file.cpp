#include "cli/picture_file.h"

#include "spreadsheet/objects/bitmap_encoding.h"

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QUORVANE_BYTE_SHUFFLES 1
#endif

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a 32-bit pixel's low bytes are taken as blue, green, red");

namespace cli {
namespace {

// The PNG container: the signature, then chunks of a big-endian length, a
// four-letter type, the data and a CRC-32 of type and data.
constexpr std::array<uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t kHeaderLength = 13;
constexpr uint8_t kBitDepth = 8;
constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kCompressionDeflate = 0;
constexpr uint8_t kFilterMethodAdaptive = 0;
constexpr uint8_t kInterlaceNone = 0;
constexpr uint8_t kRowFilterNone = 0;        // each row's first byte: its filter
constexpr size_t kMaxChunkLength = 0x7FFFFFFF;
constexpr int kFastestLevel = 1;             // libdeflate's fastest that still compresses

void putBigEndian(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = uint8_t(value >> (24 - 8 * i));
}

void appendBigEndian(QByteArray& out, uint32_t value) {
    uint8_t bytes[4];
    putBigEndian(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

void appendChunk(QByteArray& out, const char (&type)[5], const uint8_t* data, size_t length) {
    appendBigEndian(out, uint32_t(length));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    if (length > 0) out.append(reinterpret_cast<const char*>(data), qsizetype(length));
    appendBigEndian(out, libdeflate_crc32(0, out.constData() + typeAt, 4 + length));
}

// A row of 32-bit pixels (blue, green, red, alpha in memory) as the file's
// red, green, blue: four pixels at a time in three words, the rest singly.
void rgbFrom(int x, const uint32_t* pixels, int width, uint8_t* out) {
    out += 3 * x;
    for (; x + 4 <= width; x += 4, out += 12) {
        const uint32_t a = __builtin_bswap32(pixels[x]) >> 8, b = __builtin_bswap32(pixels[x + 1]) >> 8,
                       c = __builtin_bswap32(pixels[x + 2]) >> 8, d = __builtin_bswap32(pixels[x + 3]) >> 8;
        const uint32_t words[3] = {a | b << 24, b >> 8 | c << 16, c >> 16 | d << 8};
        std::memcpy(out, words, sizeof words);
    }
    for (; x < width; ++x, out += 3) {
        out[0] = uint8_t(pixels[x] >> 16);
        out[1] = uint8_t(pixels[x] >> 8);
        out[2] = uint8_t(pixels[x]);
    }
}

#ifdef QUORVANE_BYTE_SHUFFLES
// Sixteen pixels a round, each four shuffled to twelve bytes and the round
// written as 48, so that nothing is stored past the round's own bytes.
__attribute__((target("ssse3"))) int rgbShuffled(const uint32_t* pixels, int width, uint8_t* out) {
    const __m128i reorder = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    for (; x + 16 <= width; x += 16, out += 48) {
        alignas(16) uint8_t block[64];
        for (int i = 0; i < 4; ++i) {
            const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x + 4 * i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(block + 12 * i), _mm_shuffle_epi8(four, reorder));
        }
        std::memcpy(out, block, 48);
    }
    return x;
}
#endif

void rgbRow(const uint32_t* pixels, int width, uint8_t* out) {
    int x = 0;
#ifdef QUORVANE_BYTE_SHUFFLES
    static const bool hasShuffles = __builtin_cpu_supports("ssse3");
    if (hasShuffles) x = rgbShuffled(pixels, width, out);
#endif
    rgbFrom(x, pixels, width, out);
}

// The image data before compression: each row its filter byte and its pixels.
std::unique_ptr<uint8_t[]> unfilteredRows(const QImage& rgb, size_t rowLength) {
    std::unique_ptr<uint8_t[]> rows(new uint8_t[rowLength * size_t(rgb.height())]);  // every byte is written below
    for (int y = 0; y < rgb.height(); ++y) {
        uint8_t* row = rows.get() + rowLength * size_t(y);
        row[0] = kRowFilterNone;
        rgbRow(reinterpret_cast<const uint32_t*>(rgb.constScanLine(y)), rgb.width(), row + 1);
    }
    return rows;
}

struct CompressorDeleter {
    void operator()(libdeflate_compressor* compressor) const { libdeflate_free_compressor(compressor); }
};

}  // namespace

QByteArray encodePng(const QImage& picture) {
    const QImage rgb = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const size_t rowLength = 1 + 3 * size_t(rgb.width());
    const size_t rawLength = rowLength * size_t(rgb.height());
    const std::unique_ptr<uint8_t[]> rows = unfilteredRows(rgb, rowLength);

    const std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(libdeflate_alloc_compressor(kFastestLevel));
    if (!compressor) throw std::runtime_error("the PNG writer failed: no memory for the compressor");
    const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), rawLength);
    const std::unique_ptr<uint8_t[]> stream(new uint8_t[bound]);  // written by the compressor
    const size_t streamLength = libdeflate_zlib_compress(compressor.get(), rows.get(), rawLength, stream.get(), bound);
    if (streamLength == 0) throw std::runtime_error("the PNG writer failed: the image data did not compress");

    QByteArray out;
    out.reserve(qsizetype(kSignature.size() + 3 * 12 + kHeaderLength + streamLength + 12 * (streamLength / kMaxChunkLength)));
    out.append(reinterpret_cast<const char*>(kSignature.data()), qsizetype(kSignature.size()));
    uint8_t header[kHeaderLength];
    putBigEndian(header, uint32_t(rgb.width()));
    putBigEndian(header + 4, uint32_t(rgb.height()));
    header[8] = kBitDepth;
    header[9] = kColourTypeRgb;
    header[10] = kCompressionDeflate;
    header[11] = kFilterMethodAdaptive;
    header[12] = kInterlaceNone;
    appendChunk(out, "IHDR", header, kHeaderLength);
    for (size_t at = 0; at < streamLength; at += kMaxChunkLength)
        appendChunk(out, "IDAT", stream.get() + at, std::min(kMaxChunkLength, streamLength - at));
    appendChunk(out, "IEND", nullptr, 0);
    return out;
}

QByteArray encodePicture(const QImage& picture, const QString& fileName) {
    const auto refuse = [&](const std::string& why) {
        return std::runtime_error("Cannot make the picture \"" + fileName.toStdString() + "\": " + why);
    };
    if (picture.isNull()) throw refuse("there is no picture of the sheet");
    if (!fileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
        try {
            return encodePng(picture);
        } catch (const std::runtime_error& error) {
            throw refuse(error.what());
        }
    }
    const std::vector<uint8_t> bitmap = spreadsheet::objects::encodeBitmap24(picture);
    return QByteArray(reinterpret_cast<const char*>(bitmap.data()), qsizetype(bitmap.size()));
}

}  // namespace cli
