// The failure of a late-bound call: a description the user can read, and the
// error number the caller may test (the numbers follow the automation runtime's
// conventions, e.g. 438 for an unknown member).
#pragma once

#include <stdexcept>
#include <string>

namespace automation {

// Error numbers a caller may want to tell apart.
namespace errors {
inline constexpr int kTypeMismatch = 13;
inline constexpr int kOverflow = 6;
inline constexpr int kObjectVariableNotSet = 91;  // an empty object reference
inline constexpr int kInvalidUseOfNull = 94;
inline constexpr int kObjectRequired = 424;
inline constexpr int kCannotCreateObject = 429;
inline constexpr int kUnknownMember = 438;
inline constexpr int kNamedArgumentNotFound = 448;
inline constexpr int kWrongArgumentCount = 450;
inline constexpr int kApplicationDefined = 1004;
}  // namespace errors

class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(const std::string& description, int number = errors::kApplicationDefined)
        : std::runtime_error(description), m_number(number) {}

    int number() const noexcept { return m_number; }
    std::string description() const { return what(); }

private:
    int m_number;
};

}  // namespace automation
