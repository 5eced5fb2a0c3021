#include "cli/picture_file.h"

#include "spreadsheet/objects/bitmap_encoding.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <stdexcept>
#include <string>

namespace cli {
namespace {

void append(png_structp png, png_bytep data, png_size_t size) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), qsizetype(size));
}
void noFlush(png_structp) {}

// libpng reports failure by jumping back here; nothing of ours is live in
// between but the bytes written so far.
bool writePng(const QImage& rgb, QByteArray& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, &out, append, noFlush);
    png_set_IHDR(png, info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, Z_BEST_SPEED);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    png_set_bgr(png);                              // a 32-bit pixel holds blue, green, red, then
    png_set_filler(png, 0, PNG_FILLER_AFTER);      // a fourth byte the file leaves out
    for (int y = 0; y < rgb.height(); ++y) png_write_row(png, const_cast<png_bytep>(rgb.constScanLine(y)));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

QByteArray encodePng(const QImage& picture) {
    const QImage rgb = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    QByteArray out;
    out.reserve(qsizetype(rgb.sizeInBytes() / 16));
    if (!writePng(rgb, out)) throw std::runtime_error("the PNG writer failed");
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
