#include "cli/headless_windows.h"

#include "report/snapshot_bitmap.h"

namespace cli {

void KeptPreview::loadPicture(const QString& bitmapPath) { m_picture = report::readSnapshotBitmap(bitmapPath); }

}  // namespace cli
