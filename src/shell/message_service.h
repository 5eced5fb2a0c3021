// MessageService: every message box of the program goes through this one small
// interface, so tests can replace the modal boxes with a scripted fake.
#pragma once

#include <QString>

namespace shell {

enum class MessageIcon { None, Warning, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    QString text;   // line breaks as CR LF or lone CR, as the program builds them
    QString title;  // never empty when it reaches a service
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows the box modally and returns the user's answer.
    virtual MessageAnswer show(const Message& message) = 0;
};

// Shows a box titled with the application title unless a title is given.
MessageAnswer showMessage(MessageService& service, const QString& text, MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok, const QString& title = {});

// The text as a label shows it: CR LF and lone CR become line feeds.
QString displayText(const QString& text);

}  // namespace shell
