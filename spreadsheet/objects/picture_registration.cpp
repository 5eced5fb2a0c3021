// The application with pictures: the picture part's entries are installed
// before the class is registered, so every instance can paint its ranges.
#include "spreadsheet/objects/class_registration.h"
#include "spreadsheet/objects/picture_object.h"
#include "spreadsheet/objects/picture_support.h"
#include "spreadsheet/objects/range_picture.h"

namespace spreadsheet::objects {

void registerApplicationClass(automation::Registry& registry) {
    PictureSupport& pictures = pictureSupport();
    pictures.copyRangePicture = copyRangePicture;
    pictures.makePicture = makePicture;
    registerWorkbookApplicationClass(registry);
}

}  // namespace spreadsheet::objects
