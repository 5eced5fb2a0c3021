#include "input/input_field.h"

#include "input/settings_write_notice.h"
#include "shell/settings_store.h"

#include <QFocusEvent>

namespace input {

InputField::InputField(const InputFieldInfo& info, shell::SettingsStore& store, SettingsWriteNotice& notice,
                       QWidget* parent)
    : QLineEdit(parent), m_info(info), m_store(store), m_notice(notice) {
    setObjectName(QLatin1String(info.name));
    // textChanged fires for typing and for setText alike, and only when the text really changes.
    connect(this, &QLineEdit::textChanged, this, &InputField::Change);
}

void InputField::Change() {
    try {
        m_store.write(QLatin1String(m_info.key), text());
        m_notice.succeeded();
    } catch (const std::exception& e) {
        m_notice.failed(QLatin1String(m_info.key), QString::fromUtf8(e.what()));
    }
}

void InputField::GotFocus() { setSelection(0, int(text().size())); }

void InputField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (m_info.selectsAllOnFocus) {
        GotFocus();
    } else if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        // Qt selects all on a Tab entry by itself; these fields have no such handler.
        deselect();
    }
}

}  // namespace input
