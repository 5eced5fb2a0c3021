#include "cli/headless_windows.h"

#include <stdexcept>

namespace cli {

void WorkbookOnlyPreview::loadPicture(const QString& bitmapPath) {
    throw std::runtime_error("Cannot load the picture \"" + bitmapPath.toStdString() +
                             "\": this run takes no picture of the sheet");
}

QByteArray WorkbookOnlyPreview::encodedPicture(const QString& fileName) const {
    throw std::runtime_error("Cannot make the picture \"" + fileName.toStdString() +
                             "\": this run takes no picture of the sheet");
}

}  // namespace cli
