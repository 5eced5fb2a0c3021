#include "shell/message_service.h"

#include "shell/app_title.h"

#include <QApplication>
#include <QMessageBox>

namespace shell {

QString displayText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

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

MessageAnswer showMessage(MessageService& service, const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title) {
    return service.show({text, title.isEmpty() ? appTitle() : title, icon, buttons});
}

}  // namespace shell
