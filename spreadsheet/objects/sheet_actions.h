// What every sheet does, worksheet or chart sheet alike: take a new name, be
// selected, move within its workbook and be deleted. The Worksheet and Chart
// classes share these; `className` names the class in error descriptions.
#pragma once

#include "automation/object.h"
#include "spreadsheet/objects/sheet_handle.h"

#include <optional>
#include <string>

namespace spreadsheet::objects {

void renameSheet(const SheetHandle& sheet, const automation::Variant& name, const std::string& className);
void deleteSheet(const SheetHandle& sheet, const std::string& className);

// Select and Activate: the sheet becomes the active sheet. A chart sheet's
// chart becomes the active chart; a worksheet leaves no chart active.
void activateSheet(const SheetHandle& sheet);

// Move(Before, After): to just before or just after another sheet of the
// same workbook. Exactly one of the two must be given.
void moveSheet(const SheetHandle& sheet, const automation::Args& args, const automation::NamedArgs& named,
               const std::string& className);

// Where a new sheet goes for Add(Before, After): the index it takes, or
// nullopt when neither is given.
std::optional<int> insertPosition(const DocumentRef& doc, const automation::Args& args,
                                  const automation::NamedArgs& named, const std::string& member);

// The sheet a Worksheet handle or a chart sheet's Chart handle stands for.
std::optional<SheetHandle> sheetOfObject(const automation::Variant& object);

}  // namespace spreadsheet::objects
