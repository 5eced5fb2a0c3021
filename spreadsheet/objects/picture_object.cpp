// Picture's member table (Width, Height, SaveAsBitmap) over the image an instance holds.
#include "spreadsheet/objects/picture_object.h"

#include "automation/automation_error.h"
#include "files/file_replace.h"
#include "spreadsheet/objects/arguments.h"
#include "spreadsheet/objects/bitmap_encoding.h"

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::NamedArgs;
using automation::Variant;

namespace {

// The file is the user's alone and takes the path in one step: a link
// planted there is replaced, never followed. A bitmap is written for another
// program to load at once, so it does not wait for the disk.
void saveAsBitmap(const PictureObject& picture, const Variant& pathArgument) {
    if (isLeftOut(pathArgument))
        throw AutomationError("SaveAsBitmap method of Picture class failed: the file name is missing");
    const std::string path = pathArgument.toString();
    if (path.empty()) throw AutomationError("SaveAsBitmap method of Picture class failed: the file name is empty");
    const auto fill = [&picture](int fd) {
        int error = 0;
        encodeBitmap24(picture.image(), [&](std::span<const uint8_t> bytes) { return (error = files::writeAll(fd, bytes)) == 0; });
        return error;
    };
    try {
        files::replaceFile(path, files::NewFileAccess::OwnerOnly, fill, files::Durability::Unflushed);
    } catch (const files::FileWriteError& e) {
        throw AutomationError(std::string("SaveAsBitmap method of Picture class failed: ") + e.what());
    }
}

}  // namespace

const automation::MemberTable<PictureObject>& PictureObject::members() {
    using T = automation::MemberTable<PictureObject>;
    static const T table("Picture", {
        T::property("Width", [](PictureObject& p, const Args&) { return Variant(int32_t(p.image().width())); }),
        T::property("Height", [](PictureObject& p, const Args&) { return Variant(int32_t(p.image().height())); }),
        T::method("SaveAsBitmap", [](PictureObject& p, const Args& a, const NamedArgs& n) {
            saveAsBitmap(p, argument(a, n, 0, "Filename"));
            return Variant();
        }, 0, 1, {"Filename"}),
    });
    return table;
}

Variant makePicture(const std::shared_ptr<const QImage>& image) {
    if (!image) return Variant(automation::ObjectRef());
    return Variant(automation::ObjectRef(std::make_shared<PictureObject>(image)));
}

}  // namespace spreadsheet::objects
