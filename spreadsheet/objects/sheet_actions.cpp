// Renaming, selecting, moving and deleting a sheet, shared by worksheets and chart sheets.
#include "spreadsheet/objects/sheet_actions.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/objects/arguments.h"
#include "spreadsheet/objects/chart_focus.h"
#include "spreadsheet/objects/chart_object.h"
#include "spreadsheet/objects/own_object.h"
#include "spreadsheet/objects/sheet_names.h"
#include "spreadsheet/objects/worksheet_object.h"

namespace spreadsheet::objects {

using automation::AutomationError;
using automation::Variant;

namespace {

// The sheet named by Before or After, and which of the two it was.
struct Anchor {
    SheetHandle sheet;
    bool after = false;
};

std::optional<Anchor> anchorArgument(const DocumentRef& doc, const automation::Args& args,
                                     const automation::NamedArgs& named, const std::string& failure) {
    const Variant before = argument(args, named, 0, "Before");
    const Variant after = argument(args, named, 1, "After");
    if (!isLeftOut(before) && !isLeftOut(after)) throw AutomationError(failure + "give Before or After, not both.");
    if (isLeftOut(before) && isLeftOut(after)) return std::nullopt;
    const Variant& given = isLeftOut(before) ? after : before;
    const std::optional<SheetHandle> sheet = sheetOfObject(given);
    if (!sheet) throw AutomationError(failure + (isLeftOut(before) ? "After" : "Before") + " must be a sheet.");
    if (sheet->doc != doc) throw AutomationError(failure + "the sheet given is in another workbook.");
    sheet->get();  // still there
    return Anchor{*sheet, isLeftOut(before)};
}

}  // namespace

void renameSheet(const SheetHandle& sheet, const Variant& value, const std::string& className) {
    const std::string name = value.toString();
    if (const auto problem = sheetNameProblem(sheet.doc->workbook, sheet.index(), name))
        unableToSet("Name", className, *problem);
    sheet.get().setName(name);
}

void deleteSheet(const SheetHandle& sheet, const std::string& className) {
    model::Workbook& workbook = sheet.doc->workbook;
    const int index = sheet.index();
    int worksheets = 0;
    for (int i = 0; i < workbook.sheetCount(); ++i)
        worksheets += workbook.sheet(i).kind() == model::SheetKind::Worksheet ? 1 : 0;
    if (workbook.sheetCount() == 1 || (sheet.get().kind() == model::SheetKind::Worksheet && worksheets == 1))
        throw AutomationError("Delete method of " + className +
                              " class failed: a workbook must keep at least one worksheet.");
    workbook.removeSheet(index);
}

void activateSheet(const SheetHandle& sheet) {
    sheet.doc->workbook.setActiveSheet(sheet.index());
    if (sheet.get().chart()) focusChart(chartOfSheet(sheet));
    else clearChartFocus(*sheet.app);
}

void moveSheet(const SheetHandle& sheet, const automation::Args& args, const automation::NamedArgs& named,
               const std::string& className) {
    const std::string failure = "Move method of " + className + " class failed: ";
    const std::optional<Anchor> anchor = anchorArgument(sheet.doc, args, named, failure);
    if (!anchor) throw AutomationError(failure + "give the sheet to move it Before or After.");
    const int from = sheet.index();
    const int target = anchor->sheet.index();
    if (target == from) return;  // before or after itself: it stays
    // The index the sheet ends at, counted once it has left its old place.
    const int to = anchor->after ? (target < from ? target + 1 : target) : (target < from ? target : target - 1);
    sheet.doc->workbook.moveSheet(from, to);
}

std::optional<int> insertPosition(const DocumentRef& doc, const automation::Args& args,
                                  const automation::NamedArgs& named, const std::string& member) {
    const std::optional<Anchor> anchor = anchorArgument(doc, args, named, member + " failed: ");
    if (!anchor) return std::nullopt;
    return anchor->sheet.index() + (anchor->after ? 1 : 0);
}

std::optional<SheetHandle> sheetOfObject(const Variant& object) {
    if (const auto* worksheet = ownObject<WorksheetObject>(object)) return worksheet->sheetHandle();
    if (const auto* chart = ownObject<ChartObject>(object)) {
        if (chart->chart().onChartSheet()) return chart->chart().sheet();
    }
    return std::nullopt;
}

}  // namespace spreadsheet::objects
