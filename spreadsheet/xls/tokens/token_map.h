// The engine's operators and error values against their token ids and codes,
// in one table each, read in both directions by the compiler and decompiler.
#pragma once

#include "spreadsheet/formula/ast.h"
#include "spreadsheet/model/value.h"

#include <cstdint>
#include <optional>

namespace spreadsheet::xls::tokens {

uint8_t binaryTokenId(formula::BinaryOperator op);
// The operator a token id stands for; nullopt when it is no binary operator the engine has.
std::optional<formula::BinaryOperator> binaryOperatorFor(uint8_t id);

uint8_t errorTokenCode(model::ErrorCode code);
// The error value a PtgErr code stands for; nullopt for a code the format does not define.
std::optional<model::ErrorCode> errorCodeFor(uint8_t code);

}  // namespace spreadsheet::xls::tokens
