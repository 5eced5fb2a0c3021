// PictureObject: the picture an application instance holds after
// Range.CopyPicture, handed to a client through Application.CopiedPicture.
// The instance keeps it instead of the system clipboard, so a client gets the
// sheet's picture without the user's clipboard being overwritten.
//
//   ObjectRef picture = app->get("CopiedPicture").toObject();   // Nothing before any copy
//   picture->get("Width");                                      // pixels, I4
//   picture->call("SaveAsBitmap", {"/tmp/sheet.bmp"});           // 24-bit BMP
#pragma once

#include "automation/member_table.h"

#include <QImage>
#include <memory>

namespace spreadsheet::objects {

class PictureObject final : public automation::TableObject<PictureObject> {
public:
    explicit PictureObject(std::shared_ptr<const QImage> image) : m_image(std::move(image)) {}
    static const automation::MemberTable<PictureObject>& members();

    const QImage& image() const { return *m_image; }

private:
    std::shared_ptr<const QImage> m_image;
};

// The object for a held picture; Nothing when there is none.
automation::Variant makePicture(const std::shared_ptr<const QImage>& image);

}  // namespace spreadsheet::objects
