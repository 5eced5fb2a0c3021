// `quorvane generate`: one whole generation by the driver the windows use,
// with the figures from a JSON file or the settings store instead of the
// input window, and the workbook and picture written where the user said
// instead of shown. A failing step is printed in the error report's words;
// then nothing is written and the command answers 1.
//
//   const Figures figures = requestedFigures(request, {settingsFile, stderr, readStandardInput});
//   CommandEnvironment environment{registry, temporaryFolder(), stderr};
//   return runGenerate(request, figures, environment);
#pragma once

#include "cli/command_line.h"
#include "cli/figures.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <functional>
#include <memory>

namespace automation {
class Registry;
}

namespace cli {

// Where the figures may come from, and where warnings go.
struct FigureSources {
    QString settingsFile;  // read for the stored figures, never written
    std::FILE* errors = stderr;
    std::function<QByteArray()> readStandardInput;
};

// The figures the request asks for. Throws UsageError.
Figures requestedFigures(const GenerateRequest& request, const FigureSources& sources);

class CommandPreview;

struct CommandEnvironment {
    automation::Registry& registry;  // with the spreadsheet registered
    QString temporaryFolder;         // where the temporary workbook is made
    std::FILE* errors = stderr;
    // The preview's stand-in for a run that takes the sheet's picture; empty
    // where this process cannot paint (the request then takes none).
    std::function<std::unique_ptr<CommandPreview>()> makePreview;
};

// Runs the generation with the figures and writes the files; answers the
// exit status (0 or 1).
int runGenerate(const GenerateRequest& request, const Figures& figures, CommandEnvironment& environment);

}  // namespace cli
