#include "spreadsheet/objects/bitmap_encoding.h"

namespace spreadsheet::objects {
namespace {

constexpr uint16_t kBitsPerPixel = 24;
constexpr uint32_t kNoCompression = 0;        // BI_RGB
constexpr int32_t kPixelsPerMetre96Dpi = 3780;  // 96 / 0.0254, rounded

void put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void putHeaders(std::vector<uint8_t>& out, int width, int height, uint32_t pixelBytes) {
    out.push_back('B');
    out.push_back('M');
    put32(out, kBitmapHeaderBytes + pixelBytes);  // file size
    put32(out, 0);                                // two reserved words
    put32(out, kBitmapHeaderBytes);               // where the pixels start
    put32(out, 40);                               // information header size
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));    // positive: rows stored bottom-up
    put16(out, 1);                                // planes
    put16(out, kBitsPerPixel);
    put32(out, kNoCompression);
    put32(out, pixelBytes);
    put32(out, static_cast<uint32_t>(kPixelsPerMetre96Dpi));
    put32(out, static_cast<uint32_t>(kPixelsPerMetre96Dpi));
    put32(out, 0);  // colours used: none, no palette
    put32(out, 0);  // important colours: all
}

}  // namespace

int bitmapRowStride(int width) { return (width * 3 + 3) / 4 * 4; }

std::vector<uint8_t> encodeBitmap24(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int stride = bitmapRowStride(rgb.width());
    const uint32_t pixelBytes = static_cast<uint32_t>(stride) * static_cast<uint32_t>(rgb.height());
    std::vector<uint8_t> out;
    out.reserve(kBitmapHeaderBytes + pixelBytes);
    putHeaders(out, rgb.width(), rgb.height(), pixelBytes);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.push_back(static_cast<uint8_t>(qBlue(line[x])));
            out.push_back(static_cast<uint8_t>(qGreen(line[x])));
            out.push_back(static_cast<uint8_t>(qRed(line[x])));
        }
        out.resize(out.size() + static_cast<size_t>(stride - rgb.width() * 3), 0);
    }
    return out;
}

}  // namespace spreadsheet::objects
