#include "cli/generate_command.h"

#include "cli/console_messages.h"
#include "cli/headless_windows.h"
#include "files/file_replace.h"
#include "report/generate_report0.h"
#include "report/open_xml_copy.h"
#include "report/workbook_copy.h"
#include "shell/settings_file_lines.h"
#include "shell/settings_store.h"

#include <QFile>
#include <memory>
#include <QTemporaryFile>
#include <stdexcept>

namespace cli {
namespace {

QByteArray readFiguresFile(const QString& path, const FigureSources& sources) {
    if (path == QLatin1String("-")) return sources.readStandardInput ? sources.readStandardInput() : QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UsageError("Cannot read the figures file \"" + path.toStdString() + "\": " +
                         file.errorString().toStdString() + ".");
    return file.readAll();
}

// The stored figures without writing the store. Lines the store cannot read
// (which the input window would set aside at its next start) are left out
// here too, with a warning, rather than read as something else.
Figures figuresFromSettingsFile(const QString& path, const FigureSources& sources) {
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) {
        shell::IniSettingsStore store(path);
        return storedFigures(store);
    }
    const shell::SettingsFileLines lines = shell::readSettingsFileLines(file.readAll());
    if (lines.unreadable.empty()) {
        shell::IniSettingsStore store(path);
        return storedFigures(store);
    }
    std::fprintf(sources.errors, "quorvane: warning: %zu line(s) of the settings file %s cannot be read and are "
                                     "left out (the window keeps the file aside at its next start).\n",
                 lines.unreadable.size(), path.toUtf8().constData());
    QTemporaryFile readable;
    if (!readable.open() || readable.write(lines.readable) != lines.readable.size() || !readable.flush())
        throw UsageError("Cannot read the settings file \"" + path.toStdString() + "\".");
    shell::IniSettingsStore store(readable.fileName());
    return storedFigures(store);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    files::replaceFile(QFile::encodeName(path).toStdString(),
                       std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())),
                       files::NewFileAccess::KeepExisting);
}

void forget(const QString& temporaryWorkbook) {
    if (!temporaryWorkbook.isEmpty()) QFile::remove(temporaryWorkbook);
}

void printFailure(CommandEnvironment& environment, const std::string& what) {
    std::fprintf(environment.errors, "quorvane: %s\n", what.c_str());
}

}  // namespace

Figures requestedFigures(const GenerateRequest& request, const FigureSources& sources) {
    Figures figures = request.figuresFile
                          ? figuresFromJson(readFiguresFile(*request.figuresFile, sources), *request.figuresFile)
                          : figuresFromSettingsFile(sources.settingsFile, sources);
    for (const auto& [key, text] : request.sets) setFigure(figures, key, text);
    return figures;
}

int runGenerate(const GenerateRequest& request, const Figures& figures, CommandEnvironment& environment) {
    FiguresInputWindow input(figures);
    const std::unique_ptr<CommandPreview> shown =
        request.picture && environment.makePreview ? environment.makePreview() : std::make_unique<WorkbookOnlyPreview>();
    CommandPreview& preview = *shown;
    ConsoleMessages messages(environment.errors);
    const report::SheetPicture picture = request.picture ? report::SheetPicture::Taken : report::SheetPicture::NotWanted;
    report::GenerationDriver driver(
        {environment.registry, messages, input, preview, environment.temporaryFolder, {}, picture});
    driver.GenerateReport0();
    if (messages.shown() > 0) {
        forget(driver.workbookPath());
        return 1;
    }
    try {
        const QByteArray picture = request.picture ? preview.encodedPicture(*request.picture) : QByteArray();
        const report::WorkbookBytes workbook = report::readWorkbookToSave(preview.workbookPath());
        if (report::isOpenXmlName(request.output))
            report::saveOpenXmlCopy(environment.registry, preview.workbookPath(), request.output);
        else
            report::saveWorkbookCopy(workbook, request.output);
        if (request.picture) writeFile(*request.picture, picture);
    } catch (const report::IncompleteWorkbook& incomplete) {
        printFailure(environment, "The workbook was not made in full (" + std::string(incomplete.what()) +
                                      "); nothing was written to \"" + request.output.toStdString() + "\".");
        forget(driver.workbookPath());
        return 1;
    } catch (const std::exception& failure) {
        printFailure(environment, failure.what());
        forget(driver.workbookPath());
        return 1;
    }
    forget(driver.workbookPath());
    return 0;
}

}  // namespace cli
