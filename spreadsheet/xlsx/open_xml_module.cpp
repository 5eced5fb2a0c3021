// The module's one entry: the writer linked in, its failure handed back as
// kind and text.
#include "spreadsheet/xlsx/open_xml_module.h"

#include <exception>
#include <type_traits>

extern "C" __attribute__((visibility("default"))) void quorvane_open_xml_save(spreadsheet::xlsx::ModuleSave& save) {
    static_assert(std::is_same_v<decltype(&quorvane_open_xml_save), spreadsheet::xlsx::ModuleEntry>);
    try {
        spreadsheet::xlsx::saveWorkbook(save.workbook, save.evaluator, save.path, save.properties);
        save.saved = true;
    } catch (const spreadsheet::xlsx::XlsxError& error) {
        save.failureKind = error.kind();
        save.failure = error.what();
    } catch (const std::exception& error) {
        save.failure = std::string("cannot save \"") + save.path.string() + "\": " + error.what();
    }
}
