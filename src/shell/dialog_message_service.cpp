#include "shell/dialog_message_service.h"

#include <QApplication>
#include <QMessageBox>

namespace shell {

MessageAnswer DialogMessageService::show(const Message& message) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(message.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(message.text));
    switch (message.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace shell
