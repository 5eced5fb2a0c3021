// The preview's stand-in for a run that writes the sheet's picture: it keeps
// the picture the generation hands over, for the file --picture names.
#pragma once

#include "cli/headless_windows.h"

#include <QImage>

namespace cli {

class KeptPreview final : public CommandPreview {
public:
    // Throws std::runtime_error naming the file when it holds no picture.
    void loadPicture(const QString& bitmapPath) override;
    QByteArray encodedPicture(const QString& fileName) const override;
    const QImage& picture() const { return m_picture; }

private:
    QImage m_picture;
};

}  // namespace cli
