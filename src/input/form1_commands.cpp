// The input window's three commands. Clearing and loading the sample set the
// fields one by one, and each change is stored at once by the fields
// themselves. Starting a template is allowed once per run of the program.
#include "input/form1.h"

#include "input/input_field.h"
#include "input/sample_data.h"
#include "report/running_excel.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "shell/message_service.h"

namespace input {

using shell::ErrorTrap;
namespace contexts = shell::contexts;

namespace {

constexpr int kFirstFieldLine = 100;

// Sets the fields in the sample's order, one step each.
void setFieldsInSampleOrder(const Form1& window, ErrorTrap& trap, bool sampleTexts) {
    int line = kFirstFieldLine;
    for (const SampleEntry& entry : kSampleData) {
        trap.run(line, [&] {
            const QString text = sampleTexts ? QString::fromUtf8(entry.text) : QString();
            window.field(QLatin1String(entry.field))->setText(text);
        });
        line += 2;
    }
}

}  // namespace

void Form1::PushButton1_Click() {
    ErrorTrap trap(QLatin1String(contexts::kForm1PushButton1Click), m_services.messages);
    setFieldsInSampleOrder(*this, trap, false);
}

void Form1::PushButton2_Click() {
    ErrorTrap trap(QLatin1String(contexts::kForm1PushButton2Click), m_services.messages);
    setFieldsInSampleOrder(*this, trap, true);
}

// mCreated is set before anything is asked, so a click that arrives while the
// generation lets events run, or after the user declined, gets the message.
void Form1::PushButton22_Click() {
    ErrorTrap trap(QLatin1String(contexts::kForm1PushButton22Click), m_services.messages);
    if (trap.test(100, [&] { return mCreated; })) {
        trap.run(112, [&] { shell::showMessage(m_services.messages, QLatin1String(kOneTemplatePerRun)); });
        return;
    }
    trap.run(102, [&] { mCreated = true; });
    // A failing question counts as going on: only a No stops here.
    bool stop = false;
    trap.run(104, [&] { stop = report::WarnExcelOpen(m_services.automation, m_services.messages); });
    if (stop) return;
    trap.run(106, [&] { m_pointer->setPointer(shell::MousePointer::Hourglass); });
    trap.run(108, [&] {
        if (m_services.generateReport0) m_services.generateReport0();
    });
    trap.run(110, [&] { m_pointer->setPointer(shell::MousePointer::Default); });
}

void Form1::showWindow() {
    show();
    activateWindow();
}

}  // namespace input
