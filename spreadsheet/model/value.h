// Value: what a cell holds or a formula yields — nothing, a number, a text, a
// Boolean or an error value. Error codes carry the numbers the file format uses.
//
//   Value v = Value::number(12.5);
//   Value e = Value::error(ErrorCode::Div0);   // shows as "#DIV/0!"
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace spreadsheet::model {

enum class ErrorCode : uint8_t {
    Null = 0x00,   // #NULL!
    Div0 = 0x07,   // #DIV/0!
    Value = 0x0F,  // #VALUE!
    Ref = 0x17,    // #REF!
    Name = 0x1D,   // #NAME?
    Num = 0x24,    // #NUM!
    NA = 0x2A,     // #N/A
};

std::string_view errorText(ErrorCode code);
// The error literal a user types ("#DIV/0!", case-insensitive), if it is one.
std::optional<ErrorCode> parseErrorText(std::string_view text);

enum class ValueKind { Empty, Number, Text, Boolean, Error };

class Value {
public:
    Value() = default;  // empty
    static Value number(double n) { return Value(Storage(n)); }
    static Value text(std::string t) { return Value(Storage(std::move(t))); }
    static Value boolean(bool b) { return Value(Storage(b)); }
    static Value error(ErrorCode e) { return Value(Storage(e)); }

    ValueKind kind() const { return static_cast<ValueKind>(m_value.index()); }
    bool isEmpty() const { return kind() == ValueKind::Empty; }
    bool isNumber() const { return kind() == ValueKind::Number; }
    bool isText() const { return kind() == ValueKind::Text; }
    bool isBoolean() const { return kind() == ValueKind::Boolean; }
    bool isError() const { return kind() == ValueKind::Error; }

    // Accessors for the held kind; asking for another kind is a programming error.
    double asNumber() const { return std::get<double>(m_value); }
    const std::string& asText() const { return std::get<std::string>(m_value); }
    bool asBoolean() const { return std::get<bool>(m_value); }
    ErrorCode asError() const { return std::get<ErrorCode>(m_value); }

    bool operator==(const Value&) const = default;

    // For test messages: 12.5, "text", TRUE, #DIV/0!, <empty>.
    std::string debugString() const;

private:
    using Storage = std::variant<std::monostate, double, std::string, bool, ErrorCode>;
    explicit Value(Storage s) : m_value(std::move(s)) {}
    Storage m_value;
};

}  // namespace spreadsheet::model
