// The process's one set of picture entries, empty until the picture part installs them.
#include "spreadsheet/objects/picture_support.h"

namespace spreadsheet::objects {

PictureSupport& pictureSupport() {
    static PictureSupport support;
    return support;
}

}  // namespace spreadsheet::objects
