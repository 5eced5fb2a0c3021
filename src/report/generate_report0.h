// GenerateReport0: one whole generation. A fresh spreadsheet instance builds
// the breakeven workbook, which is saved as the temporary workbook; a second
// instance opens that file and writes the snapshot bitmap; the picture and the
// path go to the preview window, which takes the input window's place.
//
//   GenerationDriver driver({registry, messages, form1, form2, temporaryFolder(), {}});
//   driver.GenerateReport0();   // failures are reported on the way, never thrown
#pragma once

#include "report/generation_windows.h"
#include "report/temporary_workbook.h"
#include "shell/message_service.h"

#include <QString>
#include <functional>

namespace automation {
class Registry;
}
namespace shell {
class ErrorTrap;
}

namespace report {

// Whether the generation takes the sheet's picture: the preview always does;
// a command-line run that writes no picture leaves out the second instance,
// the snapshot bitmap and everything that needs fonts and a paint device.
enum class SheetPicture { Taken, NotWanted };

struct GenerationServices {
    automation::Registry& registry;
    shell::MessageService& messages;
    InputWindow& inputWindow;
    PreviewWindow& previewWindow;
    QString temporaryFolder;               // where the workbook and the bitmap go
    std::function<double()> clock;         // seconds since midnight; empty: the real clock
    SheetPicture picture = SheetPicture::Taken;
};

class GenerationDriver {
public:
    explicit GenerationDriver(GenerationServices services);

    // Every step runs under the driver's trap: a failing step is reported
    // with its line, and the next step runs.
    void GenerateReport0();

    // The temporary workbook of the last generation; empty before the first.
    const QString& workbookPath() const { return m_workbookPath; }

private:
    void takeSheetPicture(shell::ErrorTrap& trap);
    // Answers whether the name was claimed (false when the folder refused it).
    bool drawTemporaryWorkbookPath(shell::ErrorTrap& trap);

    GenerationServices m_services;
    QString m_workbookPath;
};

}  // namespace report
