// Range.CopyPicture: checking the look and format asked for, then painting the range into the held picture.
#include "spreadsheet/objects/range_picture.h"

#include "automation/automation_error.h"
#include "spreadsheet/model/a1_notation.h"
#include "spreadsheet/objects/arguments.h"
#include "spreadsheet/objects/constants.h"
#include "spreadsheet/render/sheet_renderer.h"

#include <QGuiApplication>

namespace spreadsheet::objects {

using automation::AutomationError;
using automation::Variant;

namespace {

[[noreturn]] void copyFailed(const std::string& reason) {
    throw AutomationError("CopyPicture method of Range class failed: " + reason);
}

int choice(const Variant& given, int leftOut) { return isLeftOut(given) ? leftOut : given.toI4(); }

void checkLook(int appearance, int format) {
    if (appearance == xl::kPictureAppearancePrinter)
        copyFailed("only the on-screen appearance (xlScreen, 1) can be pictured, not the printed one (2)");
    if (appearance != xl::kPictureAppearanceScreen)
        copyFailed("Appearance " + std::to_string(appearance) + " is not one of its values");
    if (format == xl::kPictureFormatPicture)
        copyFailed("only a bitmap (xlBitmap, 2) can be made, not a metafile (xlPicture, -4147)");
    if (format != xl::kPictureFormatBitmap)
        copyFailed("Format " + std::to_string(format) + " is not one of its values");
}

}  // namespace

void copyRangePicture(RangeObject& range, const automation::Args& args, const automation::NamedArgs& named) {
    // A copy that fails leaves no picture, so no client takes an older one for this range's.
    range.sheetHandle().app->copiedPicture.reset();
    const int appearance = choice(argument(args, named, 0, "Appearance"), xl::kPictureAppearanceScreen);
    const int format = choice(argument(args, named, 1, "Format"), xl::kPictureFormatPicture);
    checkLook(appearance, format);
    if (range.areas().size() != 1) copyFailed("that command cannot be used on multiple selections");
    // Fonts are measured through the GUI application; without one, painting text would abort the process.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        copyFailed("pictures need a running graphical application");
    const SheetHandle& sheet = range.sheetHandle();
    const model::Sheet& cells = sheet.get();
    Document& doc = *sheet.doc;
    QImage image = render::renderRange(doc.workbook, doc.evaluator, sheet.index(), range.areas().front());
    if (image.isNull())
        copyFailed("the range " + model::formatA1(range.areas(), false) + " of \"" + cells.name() +
                   "\" is too large for one picture");
    sheet.app->copiedPicture = std::make_shared<const QImage>(std::move(image));
}

}  // namespace spreadsheet::objects
