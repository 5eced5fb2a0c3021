// Whatever the reader accepts, the writer saves back unchanged: the loaded
// model saves without complaint, loads again to the same model, and from
// then on every save gives the same bytes. A difference traps and names the
// first property that changed.
#include "fuzz_target.h"
#include "model_dump.h"

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/xls/biff/workbook_file.h"

#include <string>
#include <vector>

namespace quorvane::fuzz {
namespace {

namespace model = spreadsheet::model;
namespace biff = spreadsheet::xls::biff;

std::vector<uint8_t> save(const model::Workbook& book, const char* which) {
    spreadsheet::formula::Evaluator evaluator(book);
    try {
        return biff::workbookStream(book, evaluator);
    } catch (const biff::XlsError& e) {
        fault(std::string(which) + " save refused what the reader accepted: " + e.what());
    }
}

void load(const std::vector<uint8_t>& stream, model::Workbook& into, const char* which) {
    try {
        biff::loadWorkbookStream(stream, into);
    } catch (const biff::XlsError& e) {
        fault(std::string("the reader refused its own ") + which + " save: " + e.what());
    }
}

void requireSameModel(const model::Workbook& expected, const model::Workbook& actual, const char* which) {
    const std::string difference = firstDifference(dumpWorkbook(expected), dumpWorkbook(actual));
    if (!difference.empty()) fault(std::string("the model changed on ") + which + " save: " + difference);
}

void roundTrip(std::span<const uint8_t> bytes) {
    model::Workbook loaded;
    try {
        biff::loadWorkbook(bytes, loaded);
    } catch (const biff::XlsError&) {
        return;  // refused: nothing to keep
    }
    model::Workbook second, third;
    load(save(loaded, "the first"), second, "first");
    requireSameModel(loaded, second, "the first");
    const std::vector<uint8_t> secondSave = save(second, "the second");
    load(secondSave, third, "second");
    requireSameModel(second, third, "the second");
    require(save(third, "the third") == secondSave, "the third save's bytes differ from the second's");
}

}  // namespace
}  // namespace quorvane::fuzz

QUORVANE_FUZZ_TARGET(quorvane::fuzz::roundTrip)
