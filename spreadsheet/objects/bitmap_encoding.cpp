#include "spreadsheet/objects/bitmap_encoding.h"

#include <QtEndian>
#include <cstring>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the scan-line copies take a 32-bit pixel's bytes as blue, green, red");

namespace spreadsheet::objects {
namespace {

constexpr uint16_t kBitsPerPixel = 24;
constexpr uint32_t kNoCompression = 0;        // BI_RGB
constexpr int32_t kPixelsPerMetre96Dpi = 3780;  // 96 / 0.0254, rounded

void put16(uint8_t*& at, uint16_t v) {
    *at++ = static_cast<uint8_t>(v);
    *at++ = static_cast<uint8_t>(v >> 8);
}

void put32(uint8_t*& at, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) *at++ = static_cast<uint8_t>(v >> shift);
}

void putHeaders(uint8_t* at, int width, int height, uint32_t pixelBytes) {
    *at++ = 'B';
    *at++ = 'M';
    put32(at, kBitmapHeaderBytes + pixelBytes);  // file size
    put32(at, 0);                                // two reserved words
    put32(at, kBitmapHeaderBytes);               // where the pixels start
    put32(at, 40);                               // information header size
    put32(at, static_cast<uint32_t>(width));
    put32(at, static_cast<uint32_t>(height));    // positive: rows stored bottom-up
    put16(at, 1);                                // planes
    put16(at, kBitsPerPixel);
    put32(at, kNoCompression);
    put32(at, pixelBytes);
    put32(at, static_cast<uint32_t>(kPixelsPerMetre96Dpi));
    put32(at, static_cast<uint32_t>(kPixelsPerMetre96Dpi));
    put32(at, 0);  // colours used: none, no palette
    put32(at, 0);  // important colours: all
}

}  // namespace

int bitmapRowStride(int width) { return (width * 3 + 3) / 4 * 4; }

// The file is sized once and each scan line is read straight from the
// picture's memory: the picture is a megapixel, and a call per pixel (or a
// growing vector) costs more than painting it.
std::vector<uint8_t> encodeBitmap24(const QImage& picture) {
    const QImage rgb = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const size_t stride = static_cast<size_t>(bitmapRowStride(width));
    const uint32_t pixelBytes = static_cast<uint32_t>(stride * static_cast<size_t>(height));
    std::vector<uint8_t> out(kBitmapHeaderBytes + pixelBytes);  // padding bytes start as zero
    putHeaders(out.data(), width, height, pixelBytes);
    uint8_t* row = out.data() + kBitmapHeaderBytes;
    for (int y = height - 1; y >= 0; --y, row += stride) {
        const uchar* line = rgb.constScanLine(y);
        // A 32-bit pixel lies in memory as blue, green, red, alpha on every
        // machine Qt runs on little-endian: its first three bytes are the
        // file's. Each pixel is copied whole and the next overwrites its
        // alpha; the row's last takes three bytes, so nothing runs past it.
        for (int x = 0; x + 1 < width; ++x) std::memcpy(row + 3 * x, line + 4 * x, 4);
        std::memcpy(row + 3 * (width - 1), line + 4 * (width - 1), 3);
    }
    return out;
}

}  // namespace spreadsheet::objects
