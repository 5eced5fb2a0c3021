// InputField: one of the thirteen text fields. Every change of its text, typed
// or set by the program, is stored under its settings key at once (Change);
// entering the field selects its whole text unless the field keeps the
// platform's own caret placement (GotFocus).
#pragma once

#include "input/input_field_table.h"

#include <QLineEdit>

namespace shell {
class SettingsStore;
}

namespace input {

class SettingsWriteNotice;

class InputField final : public QLineEdit {
    Q_OBJECT
public:
    InputField(const InputFieldInfo& info, shell::SettingsStore& store, SettingsWriteNotice& notice,
               QWidget* parent);

    const InputFieldInfo& info() const { return m_info; }

    // The change handler (txtRent_Change and its twelve siblings).
    void Change();
    // The focus handler of the eleven fields that select all on entry.
    void GotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    const InputFieldInfo& m_info;
    shell::SettingsStore& m_store;
    SettingsWriteNotice& m_notice;
};

}  // namespace input
