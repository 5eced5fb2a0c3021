// A Save dialog that records each request and answers with scripted names
// (an empty name is a cancel).
#pragma once

#include "shell/save_file_dialog.h"

#include <QStringList>
#include <vector>

namespace testing_support {

class FakeSaveFileDialog final : public shell::SaveFileDialog {
public:
    QString ShowSave(const shell::SaveFileRequest& request) override {
        requests.push_back(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    std::vector<shell::SaveFileRequest> requests;
};

}  // namespace testing_support
