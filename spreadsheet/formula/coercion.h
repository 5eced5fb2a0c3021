// How a formula turns one kind of value into another, with the spreadsheet's
// rules: empty is 0 or "", text becomes a number only when it reads as one,
// and an error value passes through every conversion unchanged.
#pragma once

#include "spreadsheet/model/value.h"

namespace spreadsheet::formula {

// A number, or the error value that stops the calculation (#VALUE! for text
// that reads as no number).
model::Value toNumber(const model::Value& value);
// A Boolean: numbers are true when not 0, texts "TRUE"/"FALSE" in any case and
// texts that read as numbers count; other text gives #VALUE!.
model::Value toBoolean(const model::Value& value);
// A text: numbers in General form, TRUE/FALSE, "" for empty.
model::Value toText(const model::Value& value);

// Orders two values as comparisons do: numbers < texts < Booleans, an empty
// value taking the other side's kind; texts ignore case, numbers are equal
// when they agree to 15 significant digits. Neither may be an error.
int compareValues(const model::Value& left, const model::Value& right);

}  // namespace spreadsheet::formula
