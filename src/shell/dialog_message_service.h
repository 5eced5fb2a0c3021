// The real message boxes, as QMessageBox dialogs.
#pragma once

#include "shell/message_service.h"

namespace shell {

class DialogMessageService final : public MessageService {
public:
    MessageAnswer show(const Message& message) override;
};

}  // namespace shell
