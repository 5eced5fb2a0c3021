// The snapshot bitmap both ways: the engine's 24-bit encoding and the
// preview's reading of it give back every pixel, whatever the row padding;
// other BMP layouts still read; damage is refused with the file's name.
#include "file_contents.h"
#include "report/snapshot_bitmap.h"
#include "spreadsheet/objects/bitmap_encoding.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstring>
#include <stdexcept>

namespace {

QImage noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(uint(width * 7919 + height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFF));
    return image;
}

QByteArray asBytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

std::string refusal(const QString& path) {
    try {
        report::readSnapshotBitmap(path);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "(read)";
}

}  // namespace

TEST(SnapshotBitmap, what_the_engine_writes_reads_back_pixel_for_pixel_at_every_row_padding) {
    QTemporaryDir folder;
    for (const int width : {1, 2, 3, 4, 5, 1162}) {
        SCOPED_TRACE(width);
        const QImage picture = noise(width, 7);
        const std::vector<uint8_t> file = spreadsheet::objects::encodeBitmap24(picture);
        const int stride = spreadsheet::objects::bitmapRowStride(width);
        EXPECT_EQ(stride % 4, 0);
        EXPECT_EQ(file.size(), size_t(spreadsheet::objects::kBitmapHeaderBytes + stride * 7));
        const QString path = folder.filePath(QStringLiteral("w%1.bmp").arg(width));
        ASSERT_TRUE(testing_support::writeFile(path, asBytes(file)));
        EXPECT_EQ(report::readSnapshotBitmap(path), picture);
        EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), picture) << "the general reader agrees";
    }
}

TEST(SnapshotBitmap, top_down_rows_and_other_layouts_read_too) {
    QTemporaryDir folder;
    const QImage picture = noise(13, 5);
    std::vector<uint8_t> file = spreadsheet::objects::encodeBitmap24(picture);
    // The same pixels stored top-down: a negative height and the rows reversed.
    const int stride = spreadsheet::objects::bitmapRowStride(13);
    std::vector<uint8_t> topDown(file.begin(), file.begin() + spreadsheet::objects::kBitmapHeaderBytes);
    for (int row = 4; row >= 0; --row)
        topDown.insert(topDown.end(), file.begin() + spreadsheet::objects::kBitmapHeaderBytes + row * stride,
                       file.begin() + spreadsheet::objects::kBitmapHeaderBytes + (row + 1) * stride);
    const int32_t negative = -5;
    std::memcpy(topDown.data() + 22, &negative, 4);
    ASSERT_TRUE(testing_support::writeFile(folder.filePath("top-down.bmp"), asBytes(topDown)));
    EXPECT_EQ(report::readSnapshotBitmap(folder.filePath("top-down.bmp")), picture);

    // A 32-bit BMP of another writer: the general reader takes it.
    QByteArray other;
    QBuffer buffer(&other);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "BMP").write(picture.convertToFormat(QImage::Format_ARGB32)));
    ASSERT_TRUE(testing_support::writeFile(folder.filePath("other.bmp"), other));
    EXPECT_EQ(report::readSnapshotBitmap(folder.filePath("other.bmp")).convertToFormat(QImage::Format_RGB32), picture);
}

TEST(SnapshotBitmap, a_missing_cut_or_foreign_file_is_refused_with_its_name) {
    QTemporaryDir folder;
    const QByteArray whole = asBytes(spreadsheet::objects::encodeBitmap24(noise(40, 30)));
    ASSERT_TRUE(testing_support::writeFile(folder.filePath("cut.bmp"), whole.left(whole.size() / 2)));
    ASSERT_TRUE(testing_support::writeFile(folder.filePath("text.bmp"), "not a picture at all"));
    for (const char* name : {"missing.bmp", "cut.bmp", "text.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(refusal(folder.filePath(name)).find("Cannot load the picture \"" + folder.filePath(name).toStdString()),
                  std::string::npos)
            << refusal(folder.filePath(name));
    }
}
