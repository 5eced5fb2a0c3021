#include "cli/headless_windows.h"

#include <QImageReader>
#include <stdexcept>

namespace cli {

void KeptPreview::loadPicture(const QString& bitmapPath) {
    QImageReader reader(bitmapPath);
    QImage picture = reader.read();
    if (picture.isNull())
        throw std::runtime_error("Cannot load the picture \"" + bitmapPath.toStdString() +
                                 "\": " + reader.errorString().toStdString());
    m_picture = std::move(picture);
}

}  // namespace cli
