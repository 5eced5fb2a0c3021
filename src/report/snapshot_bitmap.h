// Reading the snapshot bitmap back for the preview. The engine writes it as
// an uncompressed 24-bit BMP, rows bottom-up; those are read here straight
// from the mapped file into the picture, a scan line at a time (the general
// image reader goes pixel by pixel and costs more than painting the sheet).
// Any other BMP still goes through the general reader.
//
//   const QImage picture = readSnapshotBitmap(snapshotBitmapPath(folder));
#pragma once

#include <QImage>
#include <QString>

namespace report {

// The picture in the file, as 32-bit RGB. Throws std::runtime_error naming
// the file and the reason when it holds no readable picture.
QImage readSnapshotBitmap(const QString& path);

}  // namespace report
