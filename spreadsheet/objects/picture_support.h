// Pictures of ranges need fonts and a paint device, which a process that only
// writes workbooks should never load. The object model therefore reaches
// them through two entries that the picture part (range_picture,
// picture_object, with the renderer) fills in when the application class is
// registered with pictures. Without it, Range.CopyPicture is refused with a
// clear message and Application.CopiedPicture is Nothing.
#pragma once

#include "automation/member_table.h"

#include <memory>

class QImage;

namespace spreadsheet::objects {

class RangeObject;

struct PictureSupport {
    // Range.CopyPicture(Appearance, Format): paints the range into the application's copied picture.
    void (*copyRangePicture)(RangeObject& range, const automation::Args& args,
                             const automation::NamedArgs& named) = nullptr;
    // Application.CopiedPicture: the Picture object for a held picture.
    automation::Variant (*makePicture)(const std::shared_ptr<const QImage>& image) = nullptr;
};

// The process's one set of entries; empty until pictures are installed.
PictureSupport& pictureSupport();

}  // namespace spreadsheet::objects
