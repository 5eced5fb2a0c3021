#include "report/snapshot_bitmap.h"

#include "spreadsheet/bmp/pixel_rows.h"

#include <QFile>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QImageReader>
#include <QtEndian>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "a file's blue, green, red are read as a 32-bit pixel's low bytes");

namespace report {
namespace {

constexpr qint64 kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint16_t kBitsPerPixel = 24;
constexpr uint32_t kNoCompression = 0;

uint32_t field32(const uchar* at) { return at[0] | at[1] << 8 | at[2] << 16 | uint32_t(at[3]) << 24; }
uint16_t field16(const uchar* at) { return uint16_t(at[0] | at[1] << 8); }

// The 24-bit uncompressed layout the engine writes; nothing when the file
// is laid out any other way, for the general reader to judge. Throws
// std::runtime_error with the reason when it is that layout but damaged.
std::optional<QImage> readPlain24Bit(const uchar* file, qint64 size) {
    if (size < kFileHeaderBytes + kInfoHeaderBytes || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const uchar* info = file + kFileHeaderBytes;
    const int32_t width = int32_t(field32(info + 4));
    const int32_t signedHeight = int32_t(field32(info + 8));
    if (field32(info) < kInfoHeaderBytes || field16(info + 12) != 1 || field16(info + 14) != kBitsPerPixel ||
        field32(info + 16) != kNoCompression || width <= 0 || signedHeight == 0 || signedHeight == INT32_MIN)
        return std::nullopt;
    const int height = std::abs(signedHeight);
    const qint64 stride = (qint64(width) * 3 + 3) / 4 * 4;
    const qint64 pixels = field32(file + 10);
    if (pixels < kFileHeaderBytes + kInfoHeaderBytes || pixels + stride * height > size)
        throw std::runtime_error("the file is cut short");  // the general reader would show it half grey

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    const bool bottomUp = signedHeight > 0;
    for (int y = 0; y < height; ++y) {
        const uchar* from = file + pixels + stride * (bottomUp ? height - 1 - y : y);
        spreadsheet::bmp::unpackRow(from, width, reinterpret_cast<uint32_t*>(image.scanLine(y)));
    }
    return image;
}


// The file mapped whole and at once (MAP_POPULATE): a page at a time, the
// faults would cost more than reading the pixels.
class MappedFile {
public:
    explicit MappedFile(const QString& path) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
            void* at = ::mmap(nullptr, size_t(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (at != MAP_FAILED) {
                m_bytes = static_cast<const uchar*>(at);
                m_size = info.st_size;
            }
        }
        ::close(fd);
    }
    ~MappedFile() {
        if (m_bytes) ::munmap(const_cast<uchar*>(m_bytes), size_t(m_size));
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    const uchar* bytes() const { return m_bytes; }
    qint64 size() const { return m_size; }

private:
    const uchar* m_bytes = nullptr;
    qint64 m_size = 0;
};

}  // namespace

QImage readSnapshotBitmap(const QString& path) {
    {
        const MappedFile file(path);
        if (file.bytes()) {
            std::optional<QImage> picture;
            try {
                picture = readPlain24Bit(file.bytes(), file.size());
            } catch (const std::runtime_error& damage) {
                throw std::runtime_error("Cannot load the picture \"" + path.toStdString() + "\": " + damage.what());
            }
            if (picture) return *std::move(picture);
        }
    }
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        throw std::runtime_error("Cannot load the picture \"" + path.toStdString() +
                                 "\": " + reader.errorString().toStdString());
    return picture;
}

}  // namespace report
