#include "shell/message_service.h"

#include "shell/app_title.h"


namespace shell {

QString displayText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

MessageAnswer showMessage(MessageService& service, const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title) {
    return service.show({text, title.isEmpty() ? appTitle() : title, icon, buttons});
}

}  // namespace shell
