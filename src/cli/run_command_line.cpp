#include "cli/run_command_line.h"

#include "automation/registry.h"
#include "cli/command_line.h"
#include "cli/generate_command.h"
#include "files/file_size_limit.h"
#include "report/temporary_workbook.h"
#include "shell/settings_store.h"
#include "spreadsheet/objects/class_registration.h"

#include <QFile>
#include <QCoreApplication>
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

// The figures first, so a usage error costs nothing else. Only the sheet's
// picture needs fonts and a paint device (and never a display); a workbook
// alone starts nothing of the kind.
int generate(const GenerateRequest& request, int argc, char* argv[], const PictureCapability* pictures) {
    qInstallMessageHandler(quietQtNotes);
    const Figures figures =
        requestedFigures(request, {shell::IniSettingsStore::defaultFilePath(), stderr, readStandardInput});
    automation::Registry& registry = automation::Registry::global();
    CommandEnvironment environment{registry, report::temporaryFolder(), stderr, {}};
    if (!request.picture) {
        QCoreApplication application(argc, argv);
        spreadsheet::objects::registerWorkbookApplicationClass(registry);
        return runGenerate(request, figures, environment);
    }
    if (!pictures) throw UsageError("This program takes no pictures; --picture needs the desktop program.");
    return pictures->withPaintDevice(argc, argv, [&] {
        pictures->registerSpreadsheet(registry);
        environment.makePreview = pictures->makePreview;
        return runGenerate(request, figures, environment);
    });
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

bool asksForPicture(int argc, char* argv[]) {
    try {
        const Command command = parseCommandLine(argumentsOf(argc, argv));
        const auto* request = std::get_if<GenerateRequest>(&command);
        return request && request->picture.has_value();
    } catch (const UsageError&) {
        return false;  // the command line itself says what is wrong
    }
}

int runCommandLine(int argc, char* argv[], const PictureCapability* pictures) {
    files::reportFileSizeLimitAsWriteError();
    try {
        const Command command = parseCommandLine(argumentsOf(argc, argv));
        if (std::holds_alternative<ShowHelp>(command)) {
            std::fputs(helpText().toUtf8().constData(), stdout);
            return 0;
        }
        if (std::holds_alternative<ShowVersion>(command)) {
            std::printf("quorvane %s\n", QUORVANE_VERSION);
            return 0;
        }
        return generate(std::get<GenerateRequest>(command), argc, argv, pictures);
    } catch (const UsageError& error) {
        return usageError(error);
    }
}

}  // namespace cli
