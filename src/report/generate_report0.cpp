// The generation's steps, as the error report numbers them. Between the two
// instances the workbook exists only as the temporary file; the second
// instance reads it back, which also proves the saved file opens.
#include "report/generate_report0.h"

#include "automation/registry.h"
#include "report/breakeven_names.h"
#include "report/excel_constants.h"
#include "report/excel_instance.h"
#include "report/generate_report.h"
#include "report/save_format.h"
#include "report/sheet_snapshot.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "shell/file_services.h"

namespace report {
namespace {

using automation::ObjectRef;
using automation::Variant;


// The object a step works on; an empty reference (its instance was never
// created) fails the step as the runtime would, instead of crashing.
ObjectRef inUse(const ObjectRef& object) { return automation::requireObject(Variant(object)); }

ObjectRef sheets(const ObjectRef& application) { return automation::member(application, "Sheets"); }

int32_t sheetCount(const ObjectRef& application) { return sheets(application)->get("Count").toI4(); }

ObjectRef sheetItem(const ObjectRef& application, int32_t number) {
    return automation::requireObject(sheets(application)->call("Item", {Variant(number)}));
}

}  // namespace

GenerationDriver::GenerationDriver(GenerationServices services) : m_services(std::move(services)) {
    if (!m_services.clock) m_services.clock = secondsSinceMidnight;
}

void GenerationDriver::GenerateReport0() {
    shell::ErrorTrap trap(QLatin1String(shell::contexts::kGenerateReport0), m_services.messages);
    ExcelInstance instance(m_services.registry);
    const auto app = [&] { return inUse(instance.application()); };
    ObjectRef workbook;

    trap.run(102, [&] { instance.CreateExcelInstance(); });
    trap.run(104, [&] { app()->put("ScreenUpdating", Variant(false)); });
    trap.run(106, [&] { app()->put("DisplayAlerts", Variant(false)); });
    trap.run(108, [&] { app()->put("EnableEvents", Variant(false)); });
    trap.run(110, [&] { app()->put("EnableCancelKey", Variant(xl::kCancelKeyDisabled)); });
    trap.run(112, [&] { app()->put("Cursor", Variant(xl::kCursorWait)); });
    trap.run(116, [&] { workbook = automation::requireObject(automation::member(app(), "Workbooks")->call("Add")); });

    // Down to one sheet, then that sheet takes the data sheet's name.
    int32_t extraSheets = 0;
    trap.run(118, [&] {
        const int32_t count = sheetCount(app());
        extraSheets = count == 1 ? 0 : count - 1;
    });
    for (int32_t i = 0; i < extraSheets; ++i) trap.run(120, [&] { sheetItem(app(), 2)->call("Delete"); });
    trap.run(122, [&] { sheetItem(app(), sheetCount(app()))->put("Name", Variant(kDataSheetName)); });

    trap.run(124, [&] { GenerateReport(app(), m_services.inputWindow, m_services.messages); });
    trap.run(126, [&] { automation::requireObject(app()->get("Range", {Variant("C5")}))->call("Select"); });
    trap.run(128, [&] { sheetItem(app(), 1)->call("Select"); });

    trap.run(130, [&] { app()->put("Cursor", Variant(xl::kCursorDefault)); });
    trap.run(132, [&] { app()->put("ScreenUpdating", Variant(true)); });
    trap.run(134, [&] { app()->put("DisplayAlerts", Variant(true)); });
    trap.run(136, [&] { app()->put("EnableEvents", Variant(true)); });
    trap.run(138, [&] { app()->put("EnableCancelKey", Variant(xl::kCancelKeyInterrupt)); });

    const bool claimed = drawTemporaryWorkbookPath(trap);
    // A save that fails (a full disk, a file-size limit) gives the claimed
    // name back: an empty claim must never pass for the workbook.
    trap.run(156, [&] {
        try {
            const int32_t format = GetSaveFileFormat(m_services.registry, app());
            inUse(workbook)->call("SaveAs", {Variant(m_workbookPath.toStdString()), Variant(format)});
        } catch (...) {
            if (claimed) releaseTemporaryWorkbook(m_workbookPath);
            throw;
        }
    });
    trap.run(158, [&] { app()->put("DisplayAlerts", Variant(false)); });
    trap.run(160, [&] { inUse(workbook)->call("Close"); });
    trap.run(162, [&] { app()->call("Quit"); });
    trap.run(164, [&] { instance.ReleaseExcelInstance(); });
    workbook.reset();

    if (m_services.picture == SheetPicture::Taken) takeSheetPicture(trap);
    trap.run(184, [&] { m_services.previewWindow.setExcelFile(m_workbookPath); });
    trap.run(186, [&] { m_services.previewWindow.showWindow(); });
    trap.run(188, [&] { m_services.inputWindow.hideWindow(); });
    if (m_services.picture == SheetPicture::Taken)
        trap.run(190, [&] { shell::DeleteTempFile(snapshotBitmapPath(m_services.temporaryFolder)); });
}

// The second instance: the saved file, its snapshot, and nothing else; the
// picture goes to the preview window.
void GenerationDriver::takeSheetPicture(shell::ErrorTrap& trap) {
    const QString bitmapPath = snapshotBitmapPath(m_services.temporaryFolder);
    ObjectRef secondInstance;
    ObjectRef secondWorkbook;
    trap.run(166, [&] { secondInstance = OpenWorkbookInNewInstance(m_services.registry, m_workbookPath); });
    trap.run(168, [&] { m_services.inputWindow.setMousePointer(shell::MousePointer::Hourglass); });
    trap.run(170, [&] {
        const ObjectRef workbooks = automation::member(secondInstance, "Workbooks");
        secondWorkbook = automation::requireObject(workbooks->call("Item", {workbooks->get("Count")}));
    });
    trap.run(172, [&] { saveCellsActivesheet(secondWorkbook, bitmapPath, secondInstance, m_services.messages); });
    trap.run(174, [&] { inUse(secondInstance)->put("DisplayAlerts", Variant(false)); });
    trap.run(176, [&] { inUse(secondWorkbook)->call("Close"); });
    trap.run(178, [&] { inUse(secondInstance)->call("Quit"); });
    trap.run(180, [&] { m_services.inputWindow.setMousePointer(shell::MousePointer::Default); });
    trap.run(182, [&] { m_services.previewWindow.loadPicture(bitmapPath); });
}

// Draws names until one is free, and claims it at once: a name that exists in
// any form, a link included, is never used, and nobody can slip a file in
// between the test and the save. A folder that refuses the claim is reported
// once; the save then fails on its own line.
bool GenerationDriver::drawTemporaryWorkbookPath(shell::ErrorTrap& trap) {
    TemporaryNameDrawer drawer(m_services.clock);
    bool taken = true;
    bool claimed = false;
    while (taken) {
        QString name;
        trap.run(140, [&] { name = QLatin1String(kTemporaryNamePrefix); });
        for (int i = 0; i < kTemporaryNameDigits; ++i) {
            int digit = 0;
            trap.run(144, [&] { drawer.reseed(); });
            trap.run(146, [&] { digit = drawer.nextDigit(); });
            trap.run(148, [&] { name += QString::number(digit); });
        }
        trap.run(152, [&] { m_workbookPath = temporaryWorkbookPath(m_services.temporaryFolder, name); });
        taken = false;
        trap.run(154, [&] {
            taken = !claimTemporaryWorkbook(m_workbookPath);
            claimed = !taken;
        });
    }
    return claimed;
}

}  // namespace report
