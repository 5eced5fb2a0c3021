// The snapshot steps, numbered as the error report shows them. The picture
// goes from the spreadsheet's CopyPicture straight to the file through the
// application's copied picture: no clipboard is cleared, waited on or read,
// so none of those steps are here.
#include "report/sheet_snapshot.h"

#include "report/excel_constants.h"
#include "shell/context_names.h"
#include "shell/error_report.h"

namespace report {
namespace {

using automation::ObjectRef;
using automation::Variant;


// Row or Column of the last row or column of the sheet's used range: the
// item whose number is their count.
int32_t lastOfUsedRange(const ObjectRef& sheet, const char* lines, const char* coordinate) {
    const ObjectRef items = automation::member(sheet, "UsedRange", lines);
    const Variant count = items->get("Count");
    return automation::requireObject(items->get("Item", {count}))->get(coordinate).toI4();
}

}  // namespace

void saveCellsActivesheet(const ObjectRef& workbook, const QString& bitmapPath, const ObjectRef& application,
                          shell::MessageService& messages) {
    shell::ErrorTrap trap(shell::contexts::kExcel1SaveCellsActivesheet, messages);
    ObjectRef sheet;
    int32_t lastRow = 0;
    int32_t lastColumn = 0;
    trap.run(100, [&] { sheet = automation::member(workbook, "ActiveSheet"); });
    trap.run(102, [&] { lastRow = lastOfUsedRange(sheet, "Rows", "Row"); });
    trap.run(104, [&] { lastColumn = lastOfUsedRange(sheet, "Columns", "Column"); });
    if (!trap.test(106, [&] { return lastRow > 1 && lastColumn > 1; })) return;
    trap.run(110, [&] { automation::member(application, {})->put("ScreenUpdating", true); });
    trap.run(122, [&] {
        automation::member(sheet, "UsedRange")
            ->call("CopyPicture", {}, {{"Appearance", Variant(xl::kPictureAppearanceScreen)}, {"Format", Variant(xl::kPictureFormatBitmap)}});
    });
    trap.run(126, [&] {
        const ObjectRef picture = automation::member(application, "CopiedPicture");
        picture->call("SaveAsBitmap", {Variant(bitmapPath.toStdString())});
    });
}

}  // namespace report
