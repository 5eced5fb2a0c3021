// The thirteen input fields as data: name, settings key, default, place in the
// window (twips, relative to the field's frame), tab index and caption.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace input {

struct LabelInfo {
    int index = 0;  // element of the label array Label1; 0 when the field has no caption
    const char* caption = "";
    int left = 0, top = 0, width = 0;
};

struct InputFieldInfo {
    const char* name;                   // "txtSalesPrice"
    const char* key;                    // settings key, "Sales Price"
    std::optional<double> defaultValue; // none: the empty text
    bool selectsAllOnFocus;             // txtName and txtShipping keep the platform's caret
    int frame;                          // 1..4: Frame1 .. Frame4
    int left, top, width;
    int tabIndex;
    LabelInfo label;
};

inline constexpr int kFieldHeight = 345;
inline constexpr int kLabelHeight = 225;

// In tab-index order: the twelve number fields (0..11), then txtName.
const std::array<InputFieldInfo, 13>& inputFields();

// The order in which start-up fills the fields: alphabetical by field name.
std::vector<const InputFieldInfo*> fillOrder();

// The default as text, by the ordinary number-to-text conversion: whole
// numbers without decimals, fractions with the user's decimal separator.
QString defaultText(const InputFieldInfo& field, QChar decimalPoint);

struct FrameInfo {
    int number;  // Frame1 .. Frame4
    const char* caption;
    int left, top, width, height;
};
const std::array<FrameInfo, 4>& inputFrames();

struct ButtonInfo {
    const char* name;
    const char* caption;
    int left, top, width, height;
    int tabIndex;
};
const std::array<ButtonInfo, 3>& inputButtons();

}  // namespace input
