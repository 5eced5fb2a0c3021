#include "spreadsheet/objects/picture_support.h"

namespace spreadsheet::objects {

PictureSupport& pictureSupport() {
    static PictureSupport support;
    return support;
}

}  // namespace spreadsheet::objects
