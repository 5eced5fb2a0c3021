// Variant: the value that crosses the automation boundary. It keeps the type the
// caller chose (a font size sent as a 16-bit integer stays one), and converts
// between types with the automation runtime's rules when a member asks it to.
//
//   Variant size = int16_t{10};          // VT_I2
//   size.toDouble();                     // 10.0
//   Variant(true).toI2();                // -1: true is stored as -1
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace automation {

class Object;
using ObjectRef = std::shared_ptr<Object>;

enum class VarType { Empty, Null, Bool, I2, I4, R8, String, Object, Error };

// An error value (VT_ERROR). Also marks an optional argument left out.
struct ErrorValue {
    int32_t scode = 0;
    bool operator==(const ErrorValue&) const = default;
};

// The status code the runtime passes for an optional argument that was left out.
inline constexpr int32_t kParamNotFound = static_cast<int32_t>(0x80020004u);

class Variant {
public:
    Variant() = default;
    Variant(bool value) : m_type(VarType::Bool), m_value(int16_t(value ? -1 : 0)) {}
    Variant(int16_t value) : m_type(VarType::I2), m_value(value) {}
    Variant(int32_t value) : m_type(VarType::I4), m_value(value) {}
    Variant(double value) : m_type(VarType::R8), m_value(value) {}
    Variant(std::string value) : m_type(VarType::String), m_value(std::move(value)) {}
    Variant(const char* value) : Variant(std::string(value)) {}
    Variant(ObjectRef value) : m_type(VarType::Object), m_value(std::move(value)) {}
    Variant(ErrorValue value) : m_type(VarType::Error), m_value(value.scode) {}

    static Variant null();
    static Variant missing();

    VarType type() const { return m_type; }
    bool isEmpty() const { return m_type == VarType::Empty; }
    bool isNull() const { return m_type == VarType::Null; }
    bool isMissing() const;
    bool isObject() const { return m_type == VarType::Object; }
    bool isNumeric() const;

    // Conversions; each throws AutomationError (type mismatch, overflow,
    // invalid use of Null) where the runtime would.
    bool toBool() const;
    int16_t toI2() const;
    int32_t toI4() const;
    double toDouble() const;
    std::string toString() const;
    ObjectRef toObject() const;  // "Object required" unless an object is held (Nothing gives null)

    // "VT_I2", "VT_BSTR", ...: what a test asserts when the type matters.
    std::string typeName() const;
    // Type and value in one short text, e.g. I2(10), BSTR("B1:B1"), BOOL(true).
    std::string describe() const;

    bool operator==(const Variant& other) const;

private:
    using Storage = std::variant<std::monostate, int16_t, int32_t, double, std::string, ObjectRef>;
    VarType m_type = VarType::Empty;
    Storage m_value;
};

// Text of a number the way the runtime writes it: up to 15 significant digits,
// no trailing zeros, "E+" exponent for very large or small magnitudes.
std::string formatNumber(double value);

// Reads a number in the runtime's invariant form ("12.5", " -3e2 ", "&H1F" not
// supported); returns false when the text is not one.
bool parseNumber(const std::string& text, double& out);

}  // namespace automation
