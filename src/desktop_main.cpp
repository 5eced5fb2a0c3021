// Quorvane's desktop program: the windows (the command-line program hands
// them over to it; a command asking for the sheet's picture goes to the
// picture program instead). With a command the command line runs without any
// window. Otherwise the input window loads
// (skin, title, fields from the settings store, the spreadsheet check) and
// is shown; its start button runs the generation, which hands over to the
// preview window. Closing either window ends the program.
#include "automation/registry.h"
#include "cli/command_line.h"
#include "cli/desktop_pictures.h"
#include "cli/run_command_line.h"
#include "files/file_size_limit.h"
#include "input/form1.h"
#include "preview/form2.h"
#include "report/generate_report0.h"
#include "shell/end_program.h"
#include "shell/dialog_message_service.h"
#include "shell/picture_memory.h"
#include "shell/save_file_dialog.h"
#include "shell/settings_store.h"
#include "spreadsheet/objects/class_registration.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without any display Qt would abort with a terse platform-plugin error.
bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    files::reportFileSizeLimitAsWriteError();
    shell::keepPictureMemory();
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (cli::wantsCommandLine(arguments)) return cli::runCommandLine(argc, argv, &cli::desktopPictures());
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "Quorvane is a desktop program and needs a graphical display, but none was found "
                     "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Start it from a desktop session, or under a virtual display (Debian packages xvfb and "
                     "xauth): xvfb-run %s\n"
                     "The command line needs no display: %s --help\n",
                     argc > 0 ? argv[0] : "quorvane", argc > 0 ? argv[0] : "quorvane");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // only the windows' own rules end the program

    automation::Registry& registry = automation::Registry::global();
    spreadsheet::objects::registerApplicationClass(registry);

    shell::DialogMessageService messages;
    shell::IniSettingsStore settings;
    shell::QtSaveFileDialog saveDialog;
    const auto endProgram = [] { QCoreApplication::exit(0); };
    const QString programFolder = QCoreApplication::applicationDirPath();

    input::Form1 form1({settings, messages, registry, programFolder, endProgram, {}});
    preview::Form2 form2({messages, saveDialog, registry, programFolder, [&form1] { form1.showWindow(); }, endProgram});
    saveDialog.setParent(&form2);
    report::GenerationDriver driver({registry, messages, form1, form2, report::temporaryFolder(), {}});
    form1.setGenerateReport0([&driver] { driver.GenerateReport0(); });
    try {
        form1.Form_Load();
    } catch (const shell::EndProgram& end) {
        return end.exitCode;
    }
    form1.showAtStart();
    return QApplication::exec();
}
