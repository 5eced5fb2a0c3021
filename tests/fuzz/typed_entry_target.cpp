// Any text typed into a cell, through the path a user's figures take: the
// object model's FormulaR1C1 put on a cell through the automation interface,
// then the cell's Value, Text and Formula, and those of cells that read it
// (directly, in arithmetic, in a sum, in a test and joined to text). A text
// the spreadsheet refuses is an AutomationError; anything else escaping is a fault.
#include "fuzz_target.h"

#include "automation/automation_error.h"
#include "automation/registry.h"
#include "spreadsheet/objects/class_registration.h"

#include <string>

namespace quorvane::fuzz {
namespace {

using automation::ObjectRef;
using automation::Variant;

constexpr const char* kEntryCell = "E5";
constexpr const char* kSecondEntryCell = "E6";  // the same text one row down, so relative references differ
constexpr const char* kReaders[][2] = {
    {"A1", "=R5C5"},
    {"A2", "=R5C5*2"},
    {"A3", "=SUM(R5C5:R6C5)"},
    {"A4", "=IF(R5C5,1,0)"},
    {"A5", "=R5C5&\"x\""},
};

struct Instance {
    automation::Registry registry;
    ObjectRef app;

    Instance() {
        spreadsheet::objects::registerApplicationClass(registry);
        app = registry.CreateObject("Excel.Application");
        automation::member(app, "Workbooks")->call("Add");
        for (const auto& [cell, formula] : kReaders) range(cell)->put("FormulaR1C1", Variant(formula));
    }
    ObjectRef range(const char* address) const { return app->get("Range", {Variant(address)}).toObject(); }
};

// One instance for every input, as one program run types into one workbook.
Instance& instance() {
    static Instance shared;
    return shared;
}

void readCell(const Instance& in, const char* address) {
    const ObjectRef cell = in.range(address);
    (void)cell->get("Text");
    (void)cell->get("FormulaR1C1");
    const Variant formula = cell->get("Formula");
    if (formula.type() != automation::VarType::String) return;
    const std::string text = formula.toString();
    // A text constant gives back itself ("'=1+" holds "=1+"); only a formula's text is entered again.
    // A reference that left the grid shows as #REF!, which A1 text cannot give back as a
    // reference ("=#REF!:$2:$2"); such a text is not entered again.
    const Variant value = cell->get("Value");
    if (!text.starts_with("=") || text.find("#REF!") != std::string::npos ||
        (value.type() == automation::VarType::String && value.toString() == text))
        return;
    // The A1 text a formula cell gives back is an entry the cell takes again, unchanged.
    try {
        cell->put("Formula", formula);
    } catch (const automation::AutomationError& e) {
        fault("the cell refuses its own formula " + text + ": " + e.what());
    }
    require(cell->get("Formula").toString() == text, "a formula changed when its own A1 text was entered again");
}

void typeEntry(std::span<const uint8_t> bytes) {
    const Instance& in = instance();
    const std::string text(bytes.begin(), bytes.end());
    for (const char* cell : {kEntryCell, kSecondEntryCell}) {
        try {
            in.range(cell)->put("FormulaR1C1", Variant(text));
        } catch (const automation::AutomationError&) {
            in.range(cell)->put("FormulaR1C1", Variant(""));  // refused: the cell keeps nothing from it
        }
    }
    readCell(in, kEntryCell);
    readCell(in, kSecondEntryCell);
    for (const auto& reader : kReaders) readCell(in, reader[0]);
}

}  // namespace
}  // namespace quorvane::fuzz

QUORVANE_FUZZ_TARGET(quorvane::fuzz::typeEntry)
