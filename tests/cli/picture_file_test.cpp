// The picture the command line writes: a PNG that decodes to every pixel of
// the picture, or the engine's BMP; no picture is refused with the file's name.
#include "cli/picture_file.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

// A sheet-like picture: white, a grid, filled boxes, some text.
QImage sheetLike(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(208, 215, 229));
    for (int x = 0; x < width; x += 64) painter.drawLine(x, 0, x, height);
    for (int y = 0; y < height; y += 17) painter.drawLine(0, y, width, y);
    painter.fillRect(10, 20, width / 3, 40, QColor(0, 0, 128));
    painter.setPen(Qt::black);
    painter.drawText(20, 100, QStringLiteral("Sales volume per period (units)  1,000.00"));
    return image;
}

}  // namespace

TEST(PictureFile, the_png_decodes_to_every_pixel_at_any_size) {
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(17, 64), QSize(1, 65), QSize(1162, 871)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));  // one piece below 64 rows, two halves from there
        const QImage picture = sheetLike(size.width(), size.height());
        const QByteArray png = cli::encodePicture(picture, QStringLiteral("sheet.PNG"));
        EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
        EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), picture);
    }
}

TEST(PictureFile, a_bmp_name_gets_the_engines_bitmap_and_no_picture_is_refused) {
    const QImage picture = sheetLike(37, 11);
    const QByteArray bmp = cli::encodePicture(picture, QStringLiteral("sheet.Bmp"));
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(uchar(bmp[28]), 24) << "24 bits a pixel";
    EXPECT_EQ(QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32), picture);
    try {
        cli::encodePicture(QImage(), QStringLiteral("/out/sheet.png"));
        FAIL() << "accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Cannot make the picture \"/out/sheet.png\": there is no picture of the sheet");
    }
}
