// The sheet's picture as a file of its own: PNG, or the engine's 24-bit BMP.
// The PNG is compressed at zlib's fastest level without row filters: for a
// sheet (large even areas, few colours) that is as small as the general
// writer's adaptive filtering, at a fraction of its time. The two halves of
// the picture are compressed at once, one on a second thread, into one
// stream; the container, three chunks, is written here.
//
//   QByteArray bytes = encodePicture(picture, "sheet.png");
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace cli {

// PNG, or BMP when the name ends in .bmp (any case). Throws std::runtime_error
// naming the file when there is no picture or it cannot be encoded.
QByteArray encodePicture(const QImage& picture, const QString& fileName);

// The picture as a PNG of 8-bit RGB.
QByteArray encodePng(const QImage& picture);

}  // namespace cli
