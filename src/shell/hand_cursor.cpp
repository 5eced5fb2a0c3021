#include "shell/hand_cursor.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>
#include <stdexcept>

namespace shell {
namespace {

// Layout of a cursor file's header: a 6-byte directory header (reserved, type,
// count) followed by 16-byte entries whose bytes 4..7 hold the hot spot.
constexpr int kDirHeaderSize = 6;
constexpr int kDirTypeOffset = 2;
constexpr quint16 kTypeCursor = 2;
constexpr int kEntryHotspotXOffset = 4;
constexpr int kEntryHotspotYOffset = 6;
constexpr int kEntrySize = 16;

QPoint readHotSpot(const QByteArray& header, const QSize& size) {
    const QPoint centre(size.width() / 2, size.height() / 2);
    if (header.size() < kDirHeaderSize + kEntrySize) return centre;
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    if (qFromLittleEndian<quint16>(bytes + kDirTypeOffset) != kTypeCursor) return centre;
    const uchar* entry = bytes + kDirHeaderSize;
    const QPoint hot(qFromLittleEndian<quint16>(entry + kEntryHotspotXOffset),
                     qFromLittleEndian<quint16>(entry + kEntryHotspotYOffset));
    return QRect(QPoint(0, 0), size).contains(hot) ? hot : centre;
}

}  // namespace

QCursor loadCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("File not found");
    const QByteArray header = file.read(kDirHeaderSize + kEntrySize);
    file.seek(0);
    QImageReader reader(&file, "cur");
    const QImage image = reader.read();
    if (image.isNull()) throw std::runtime_error("Invalid picture");
    const QPoint hot = readHotSpot(header, image.size());
    return QCursor(QPixmap::fromImage(image), hot.x(), hot.y());
}

}  // namespace shell
