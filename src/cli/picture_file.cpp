#include "cli/picture_file.h"

#include "spreadsheet/objects/bitmap_encoding.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

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
constexpr uint8_t kRowFilterNone = 0;  // each row's first byte: its filter
constexpr size_t kMaxChunkLength = 0x7FFFFFFF;

// The image data is one zlib stream: a header naming deflate with a 32 KiB
// window at the fastest level, the deflate data, and the Adler-32 of what it
// holds.
constexpr std::array<uint8_t, 2> kZlibHeader{0x78, 0x01};
constexpr int kRawDeflateWindowBits = -15;  // negative: deflate data without zlib's header and check
constexpr int kMemoryLevel = 8;             // zlib's default

// Below this many rows a picture is deflated in one piece.
constexpr int kRowsForTwoHalves = 64;

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
    appendBigEndian(out, uint32_t(::crc32(0, reinterpret_cast<const Bytef*>(out.constData() + typeAt), uInt(4 + length))));
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

// Rows [first, last) deflated on their own at zlib's fastest level. The last
// run ends the deflate data; an earlier one stops at a byte boundary with
// the data still open (a sync flush), so that the next run follows on. A
// run never refers back into the one before, which deflate allows.
struct DeflatedRows {
    std::vector<uint8_t> deflated;
    uLong adler = ::adler32(0, nullptr, 0);
    size_t length = 0;  // the bytes before compression
    bool ok = false;
};

// Feeds what the stream holds to deflate, growing the output as it fills;
// done once the input is taken and, for a flush, all of its output is out.
bool runDeflate(z_stream& stream, std::vector<uint8_t>& out, int flush) {
    for (;;) {
        if (stream.avail_out == 0) {
            const size_t used = out.size();
            out.resize(2 * used);
            stream.next_out = out.data() + used;
            stream.avail_out = uInt(out.size() - used);
        }
        const int status = deflate(&stream, flush);
        if (status == Z_STREAM_ERROR) return false;
        if (flush == Z_FINISH ? status == Z_STREAM_END : stream.avail_in == 0 && stream.avail_out != 0) return true;
    }
}

DeflatedRows deflateRows(const QImage& rgb, int first, int last, bool endsData) {
    DeflatedRows run;
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, kRawDeflateWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY) != Z_OK)
        return run;
    const size_t rowLength = 1 + 3 * size_t(rgb.width());
    run.length = rowLength * size_t(last - first);
    run.deflated.resize(std::max<size_t>(run.length / 16, 4096));  // a sheet deflates to about a twentieth
    std::vector<uint8_t> row(rowLength);
    row[0] = kRowFilterNone;
    stream.next_out = run.deflated.data();
    stream.avail_out = uInt(run.deflated.size());
    bool ok = true;
    for (int y = first; y < last && ok; ++y) {
        rgbRow(reinterpret_cast<const uint32_t*>(rgb.constScanLine(y)), rgb.width(), row.data() + 1);
        run.adler = ::adler32(run.adler, row.data(), uInt(rowLength));
        stream.next_in = row.data();
        stream.avail_in = uInt(rowLength);
        ok = runDeflate(stream, run.deflated, y + 1 < last ? Z_NO_FLUSH : endsData ? Z_FINISH : Z_SYNC_FLUSH);
    }
    run.deflated.resize(run.deflated.size() - stream.avail_out);
    deflateEnd(&stream);
    run.ok = ok;
    return run;
}

// The image data as one zlib stream: the header, the halves' deflate data one
// after the other, and the Adler-32 of all the rows.
std::vector<uint8_t> zlibStream(const DeflatedRows& upper, const DeflatedRows& lower) {
    const uLong adler = upper.length > 0 ? ::adler32_combine(upper.adler, lower.adler, z_off_t(lower.length)) : lower.adler;
    std::vector<uint8_t> data;
    data.reserve(kZlibHeader.size() + upper.deflated.size() + lower.deflated.size() + 4);
    data.insert(data.end(), kZlibHeader.begin(), kZlibHeader.end());
    data.insert(data.end(), upper.deflated.begin(), upper.deflated.end());
    data.insert(data.end(), lower.deflated.begin(), lower.deflated.end());
    data.resize(data.size() + 4);
    putBigEndian(data.data() + data.size() - 4, uint32_t(adler));
    return data;
}

QByteArray pngFile(int width, int height, const std::vector<uint8_t>& data) {
    QByteArray out;
    out.reserve(qsizetype(kSignature.size() + kHeaderLength + data.size() + 3 * 12));
    out.append(reinterpret_cast<const char*>(kSignature.data()), qsizetype(kSignature.size()));
    uint8_t header[kHeaderLength];
    putBigEndian(header, uint32_t(width));
    putBigEndian(header + 4, uint32_t(height));
    header[8] = kBitDepth;
    header[9] = kColourTypeRgb;
    header[10] = kCompressionDeflate;
    header[11] = kFilterMethodAdaptive;
    header[12] = kInterlaceNone;
    appendChunk(out, "IHDR", header, kHeaderLength);
    for (size_t at = 0; at < data.size(); at += kMaxChunkLength)
        appendChunk(out, "IDAT", data.data() + at, std::min(kMaxChunkLength, data.size() - at));
    appendChunk(out, "IEND", nullptr, 0);
    return out;
}

// Waits for a thread however the scope is left.
struct JoinedAtExit {
    std::thread& thread;
    ~JoinedAtExit() {
        if (thread.joinable()) thread.join();
    }
};

}  // namespace

// The rows are deflated in two halves at once, the upper one on a thread of
// its own: the compression is most of the picture's cost, and the program
// has nothing else to do meanwhile.
QByteArray encodePng(const QImage& picture) {
    const QImage rgb = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const int height = rgb.height();
    const int middle = height >= kRowsForTwoHalves ? height / 2 : 0;
    DeflatedRows upper;
    upper.ok = middle == 0;
    DeflatedRows lower;
    {
        std::thread upperHalf;
        const JoinedAtExit joined{upperHalf};
        if (middle > 0)
            upperHalf = std::thread([&] {
                try {
                    upper = deflateRows(rgb, 0, middle, false);
                } catch (...) {
                    upper.ok = false;  // reported below, as the thread cannot throw
                }
            });
        lower = deflateRows(rgb, middle, height, true);
    }
    if (!upper.ok || !lower.ok) throw std::runtime_error("the PNG writer failed");
    return pngFile(rgb.width(), height, zlibStream(upper, lower));
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
