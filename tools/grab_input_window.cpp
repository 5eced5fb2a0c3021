// Renders the input window as a user first sees it (skinned, fields filled
// with the defaults of an empty settings store) into a PNG file.
//   QT_QPA_PLATFORM=offscreen grab_input_window <program folder> <out.png>
#include "automation/registry.h"
#include "input/form1.h"
#include "shell/message_service.h"
#include "shell/settings_store.h"
#include "spreadsheet/objects/class_registration.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class PrintingMessages final : public shell::MessageService {
public:
    shell::MessageAnswer show(const shell::Message& message) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(message.text));
        return shell::MessageAnswer::Ok;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: grab_input_window <program folder> <out.png>\n");
        return 2;
    }
    QTemporaryDir store;
    automation::Registry registry;
    spreadsheet::objects::registerApplicationClass(registry);
    PrintingMessages messages;
    shell::IniSettingsStore settings(store.filePath(QStringLiteral("Wrenfield.ini")));
    input::Form1 form({settings, messages, registry, QString::fromLocal8Bit(argv[1]), {}, {}});
    form.Form_Load();
    form.showAtStart();
    QApplication::processEvents();
    const QPixmap picture = form.grab();
    if (!picture.save(QString::fromLocal8Bit(argv[2]))) return 1;
    std::printf("%dx%d\n", picture.width(), picture.height());
    return 0;
}
