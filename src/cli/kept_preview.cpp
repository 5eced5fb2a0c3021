#include "cli/kept_preview.h"

#include "cli/picture_file.h"
#include "report/snapshot_bitmap.h"

namespace cli {

void KeptPreview::loadPicture(const QString& bitmapPath) { m_picture = report::readSnapshotBitmap(bitmapPath); }

QByteArray KeptPreview::encodedPicture(const QString& fileName) const { return encodePicture(m_picture, fileName); }

}  // namespace cli
