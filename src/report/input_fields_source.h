// What the workbook generation reads from the input window: the current text
// of a field, by the field's name ("txtSalesPrice"). The window implements it,
// so that this folder never depends on the window.
#pragma once

#include <QString>

namespace report {

class InputFieldsSource {
public:
    virtual ~InputFieldsSource() = default;
    virtual QString fieldText(const QString& fieldName) const = 0;
};

}  // namespace report
