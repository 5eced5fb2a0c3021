#include "report/temporary_workbook.h"

#include <QDir>
#include <QFile>
#include <QTime>
#include <QtGlobal>
#include <bit>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace report {
namespace {

// A 64-bit mix of the seed (splitmix64's finaliser), so that clock readings a
// few nanoseconds apart give unrelated numbers.
uint64_t mixed(uint64_t seed) {
    seed = (seed ^ (seed >> 30)) * 0xBF58476D1CE4E5B9ull;
    seed = (seed ^ (seed >> 27)) * 0x94D049BB133111EBull;
    return seed ^ (seed >> 31);
}


}  // namespace

QString temporaryFolder() {
    const QString temp = qEnvironmentVariable("TEMP");
    const QString folder = temp.isEmpty() ? QDir::tempPath() : temp;
    return folder.size() > 1 && folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
}

QString temporaryWorkbookPath(const QString& folder, const QString& name) {
    return folder + QLatin1Char('/') + name + QStringLiteral(".xls");
}

QString snapshotBitmapPath(const QString& folder) {
    return folder + QLatin1Char('/') + QLatin1String(kSnapshotBitmapName);
}

double secondsSinceMidnight() {
    using namespace std::chrono;
    const QTime now = QTime::currentTime();
    const auto sinceEpoch = system_clock::now().time_since_epoch();
    const double fraction = double(duration_cast<nanoseconds>(sinceEpoch % seconds(1)).count()) * 1e-9;
    return now.msecsSinceStartOfDay() / 1000 + fraction;
}

void TemporaryNameDrawer::reseed() { m_state = std::bit_cast<uint64_t>(m_clock()); }

int TemporaryNameDrawer::nextDigit() {
    m_state += 0x9E3779B97F4A7C15ull;  // splitmix64: one step, then the mix
    const double number = double(mixed(m_state) >> 11) * 0x1.0p-53;  // 53 bits: strictly below 1
    return int(std::floor(number * 9)) + 1;
}

QString TemporaryNameDrawer::drawName() {
    QString name = QLatin1String(kTemporaryNamePrefix);
    for (int i = 0; i < kTemporaryNameDigits; ++i) {
        reseed();
        name += QString::number(nextDigit());
    }
    return name;
}

bool claimTemporaryWorkbook(const QString& path) {
    const QByteArray local = QFile::encodeName(path);
    const int fd = ::open(local.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EEXIST) return false;
    throw std::runtime_error("Cannot create the temporary workbook \"" + path.toStdString() +
                             "\": " + std::strerror(errno));
}

void releaseTemporaryWorkbook(const QString& path) { ::unlink(QFile::encodeName(path).constData()); }

}  // namespace report
