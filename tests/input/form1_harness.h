// A Form1 with test doubles around it: an in-memory (or INI) settings store,
// recorded message boxes, a registry with the spreadsheet registered, and a
// program folder that holds the skin and cursor files only when asked.
#pragma once

#include "automation/registry.h"
#include "fake_message_service.h"
#include "input/form1.h"
#include "input/input_field.h"
#include "spreadsheet/objects/class_registration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace testing_support {

struct ProgramFolderFiles {
    bool skin = false;
    bool cursor = false;
};

class Form1Harness {
public:
    explicit Form1Harness(ProgramFolderFiles files = {}, shell::SettingsStore* store = nullptr)
        : m_store(store ? store : &memory) {
        spreadsheet::objects::registerApplicationClass(registry);
        if (files.skin) {
            QDir(folder.path()).mkdir(QStringLiteral("x"));
            QFile::copy(QStringLiteral(QUORVANE_RESOURCES_DIR "/x/o.cjs"), folder.filePath(QStringLiteral("x/o.cjs")));
        }
        if (files.cursor)
            QFile::copy(QStringLiteral(QUORVANE_RESOURCES_DIR "/HAND-M.CUR"), folder.filePath(QStringLiteral("HAND-M.CUR")));
        form = std::make_unique<input::Form1>(
            input::ShellServices{*m_store, messages, registry, folder.path(), [this] { ++endRequests; }, {}});
    }

    input::InputField& field(const char* name) { return *form->field(QLatin1String(name)); }

    QTemporaryDir folder;
    MemorySettingsStore memory;
    FakeMessageService messages;
    automation::Registry registry;
    int endRequests = 0;
    std::unique_ptr<input::Form1> form;

private:
    shell::SettingsStore* m_store;
};

}  // namespace testing_support
