// Operator and error-code tables. The engine's comparison operators are listed
// in its own order; the file numbers them <, <=, =, >=, >, <>.
#include "spreadsheet/xls/tokens/token_map.h"

#include "spreadsheet/xls/tokens/formula_tokens.h"
#include "spreadsheet/xls/tokens/ptg_ids.h"

#include <array>

namespace spreadsheet::xls::tokens {
namespace {

using formula::BinaryOperator;
using model::ErrorCode;

struct BinaryToken {
    BinaryOperator op;
    uint8_t id;
};

constexpr std::array<BinaryToken, 14> kBinaryTokens = {{
    {BinaryOperator::Add, ptg::kAdd},
    {BinaryOperator::Subtract, ptg::kSub},
    {BinaryOperator::Multiply, ptg::kMul},
    {BinaryOperator::Divide, ptg::kDiv},
    {BinaryOperator::Power, ptg::kPower},
    {BinaryOperator::Concatenate, ptg::kConcat},
    {BinaryOperator::Equal, ptg::kEq},
    {BinaryOperator::NotEqual, ptg::kNe},
    {BinaryOperator::Less, ptg::kLt},
    {BinaryOperator::Greater, ptg::kGt},
    {BinaryOperator::LessEqual, ptg::kLe},
    {BinaryOperator::GreaterEqual, ptg::kGe},
    {BinaryOperator::Range, ptg::kRange},
    {BinaryOperator::Union, ptg::kUnion},
}};

struct ErrorToken {
    ErrorCode code;
    uint8_t id;
};

constexpr std::array<ErrorToken, 7> kErrorTokens = {{
    {ErrorCode::Null, ptg::kErrorNull},
    {ErrorCode::Div0, ptg::kErrorDiv0},
    {ErrorCode::Value, ptg::kErrorValue},
    {ErrorCode::Ref, ptg::kErrorRef},
    {ErrorCode::Name, ptg::kErrorName},
    {ErrorCode::Num, ptg::kErrorNum},
    {ErrorCode::NA, ptg::kErrorNA},
}};

}  // namespace

uint8_t binaryTokenId(BinaryOperator op) {
    for (const BinaryToken& t : kBinaryTokens)
        if (t.op == op) return t.id;
    throw TokenError("an operator the file format has no token for");
}

std::optional<BinaryOperator> binaryOperatorFor(uint8_t id) {
    for (const BinaryToken& t : kBinaryTokens)
        if (t.id == id) return t.op;
    return std::nullopt;
}

uint8_t errorTokenCode(ErrorCode code) {
    for (const ErrorToken& t : kErrorTokens)
        if (t.code == code) return t.id;
    throw TokenError("an error value the file format has no code for");
}

std::optional<ErrorCode> errorCodeFor(uint8_t code) {
    for (const ErrorToken& t : kErrorTokens)
        if (t.id == code) return t.code;
    return std::nullopt;
}

}  // namespace spreadsheet::xls::tokens
