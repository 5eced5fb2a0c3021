#include "cli/run_command_line.h"

#include "automation/registry.h"
#include "cli/command_line.h"
#include "cli/generate_command.h"
#include "files/file_size_limit.h"
#include "report/temporary_workbook.h"
#include "shell/settings_store.h"
#include "spreadsheet/objects/class_registration.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <variant>

#ifndef QUORVANE_VERSION
#error "QUORVANE_VERSION comes from the project's version"
#endif

namespace cli {
namespace {

int usageError(const UsageError& error) {
    std::fprintf(stderr, "quorvane: %s\n%s", error.what(), usageText().toUtf8().constData());
    return 2;
}

QByteArray readStandardInput() {
    QFile in;
    return in.open(stdin, QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Qt's own notes (a missing runtime folder, say) are no business of the
// command's user; its failures are.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "quorvane: %s\n", message.toUtf8().constData());
}

int generateWith(const GenerateRequest& request, const Figures& figures) {
    automation::Registry& registry = automation::Registry::global();
    spreadsheet::objects::registerApplicationClass(registry);
    CommandEnvironment environment{registry, report::temporaryFolder(), stderr};
    return runGenerate(request, figures, environment);
}

// The figures first, so a usage error costs nothing else. Only the sheet's
// picture needs fonts and a paint device, and never a display: the offscreen
// platform serves whatever the environment says. A workbook alone needs
// neither, and starts nothing of the kind.
int generate(const GenerateRequest& request, int argc, char* argv[]) {
    qInstallMessageHandler(quietQtNotes);
    const Figures figures =
        requestedFigures(request, {shell::IniSettingsStore::defaultFilePath(), stderr, readStandardInput});
    if (!request.picture) {
        QCoreApplication application(argc, argv);
        return generateWith(request, figures);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return generateWith(request, figures);
}

}  // namespace

int runCommandLine(int argc, char* argv[]) {
    files::reportFileSizeLimitAsWriteError();
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    try {
        const Command command = parseCommandLine(arguments);
        if (std::holds_alternative<ShowHelp>(command)) {
            std::fputs(helpText().toUtf8().constData(), stdout);
            return 0;
        }
        if (std::holds_alternative<ShowVersion>(command)) {
            std::printf("quorvane %s\n", QUORVANE_VERSION);
            return 0;
        }
        return generate(std::get<GenerateRequest>(command), argc, argv);
    } catch (const UsageError& error) {
        return usageError(error);
    }
}

}  // namespace cli
