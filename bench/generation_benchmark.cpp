// How long one whole generation takes from the user's click on "Start
// Creating Template" until the preview window is shown: building the sheet
// and its charts, saving the temporary workbook, opening it again in a second
// instance, the snapshot bitmap, and the window swap. Both windows are real
// (offscreen); the settings store and the message boxes are stand-ins.
// Setting up the windows and going back afterwards are not timed. The
// temporary workbook goes where the program puts it, the TEMP folder (here
// one of the benchmark's own), so that it is a hand-over file as in the
// program and the save does not wait for the disk.
#include "automation/registry.h"
#include "input/form1.h"
#include "preview/form2.h"
#include "report/generate_report0.h"
#include "report/temporary_workbook.h"
#include "shell/message_service.h"
#include "shell/picture_memory.h"
#include "shell/save_file_dialog.h"
#include "shell/settings_store.h"
#include "spreadsheet/objects/class_registration.h"

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

class Silent final : public shell::MessageService {
public:
    shell::MessageAnswer show(const shell::Message&) override { return shell::MessageAnswer::Ok; }
};

class NoDialog final : public shell::SaveFileDialog {
public:
    QString ShowSave(const shell::SaveFileRequest&) override { return {}; }
};

class MemoryStore final : public shell::SettingsStore {
public:
    QString read(const QString& key, const QString& defaultText) override { return m_values.value(key, defaultText); }
    void write(const QString& key, const QString& text) override { m_values.insert(key, text); }

private:
    QMap<QString, QString> m_values;
};

// Both windows and the driver, joined as the program joins them.
struct Program {
    automation::Registry registry;
    Silent messages;
    NoDialog dialog;
    MemoryStore settings;
    input::Form1 form1{{settings, messages, registry, QString(), [] {}, {}}};
    preview::Form2 form2{{messages, dialog, registry, QString(), [this] { form1.showWindow(); }, [] {}}};
    report::GenerationDriver driver{{registry, messages, form1, form2, report::temporaryFolder(), {}}};

    Program() {
        spreadsheet::objects::registerApplicationClass(registry);
        form1.setGenerateReport0([this] { driver.GenerateReport0(); });
        form1.Form_Load();
        form1.show();
        form1.button(QStringLiteral("PushButton2"))->click();  // the sample data
    }
};

void BM_WholeGeneration(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>();
        state.ResumeTiming();

        program->form1.button(QStringLiteral("PushButton22"))->click();
        if (!program->form2.isVisible()) state.SkipWithError("the preview was not shown");

        state.PauseTiming();
        program->form2.PushButton8()->click();  // back: the temporary workbook goes
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WholeGeneration)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    shell::keepPictureMemory();  // as the program does at start-up
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
