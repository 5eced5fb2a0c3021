// The 24-bit bitmap of a picture: headers, then rows bottom-up, handed on a run of rows at a time.
#include "spreadsheet/objects/bitmap_encoding.h"

#include "spreadsheet/bmp/pixel_rows.h"

#include <QtEndian>
#include <algorithm>
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

namespace {

QImage asRgb32(const QImage& picture) {
    return picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
               ? picture
               : picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

// Each scan line is read straight from the picture's memory into a buffer of
// whole rows that is handed on and filled again: the picture is a megapixel,
// and a call per pixel (or a picture-sized copy) costs more than painting it.
bool encodeBitmap24(const QImage& picture, const std::function<bool(std::span<const uint8_t>)>& write) {
    const QImage rgb = asRgb32(picture);
    const int width = rgb.width();
    const int height = rgb.height();
    const size_t stride = static_cast<size_t>(bitmapRowStride(width));
    const size_t rowsAtOnce = std::max<size_t>(1, kBitmapChunkBytes / stride);
    std::vector<uint8_t> buffer(std::max<size_t>(kBitmapHeaderBytes, rowsAtOnce * stride));  // padding stays zero
    putHeaders(buffer.data(), width, height, static_cast<uint32_t>(stride * static_cast<size_t>(height)));
    if (!write({buffer.data(), size_t(kBitmapHeaderBytes)})) return false;
    for (int y = height - 1; y >= 0;) {
        size_t rows = 0;
        for (uint8_t* row = buffer.data(); rows < rowsAtOnce && y >= 0; ++rows, --y, row += stride)
            bmp::packRow(reinterpret_cast<const uint32_t*>(rgb.constScanLine(y)), width, row);
        if (!write({buffer.data(), rows * stride})) return false;
    }
    return true;
}

std::vector<uint8_t> encodeBitmap24(const QImage& picture) {
    std::vector<uint8_t> out;
    out.reserve(kBitmapHeaderBytes + size_t(bitmapRowStride(picture.width())) * size_t(picture.height()));
    encodeBitmap24(picture, [&out](std::span<const uint8_t> bytes) {
        out.insert(out.end(), bytes.begin(), bytes.end());
        return true;
    });
    return out;
}

}  // namespace spreadsheet::objects
