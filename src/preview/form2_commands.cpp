// The preview's commands: saving the temporary workbook under a name the user
// picks, going back to the input window, and closing, which ends the program.
// Saving copies the file the generation left; only a .xlsx name asks the
// spreadsheet to convert it.
#include "preview/form2.h"

#include "report/open_xml_copy.h"
#include "report/snapshot_bitmap.h"
#include "report/workbook_copy.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "shell/same_file.h"
#include "shell/main_services.h"
#include "shell/message_service.h"
#include "shell/save_file_dialog.h"

#include <QCoreApplication>
#include <stdexcept>

namespace preview {

using shell::ErrorTrap;
using shell::MessageAnswer;
using shell::MessageButtons;
using shell::MessageIcon;
namespace contexts = shell::contexts;

QString incompleteWorkbookMessage(const std::string& reason, const QString& destination) {
    return QLatin1String(kIncompleteWorkbookStart) + QString::fromStdString(reason) +
           QLatin1String(kIncompleteWorkbookMiddle) + destination + QLatin1String(kIncompleteWorkbookEnd);
}

void Form2::loadPicture(const QString& bitmapPath) { setPicture(report::readSnapshotBitmap(bitmapPath)); }

// The temporary workbook is read and checked before the destination is
// touched or even asked about: a workbook that could not be written in full
// is refused with the reason. The copy replaces an existing file only once it
// is complete, so answering Yes never loses the old file to a copy that
// fails; "Done." follows only a copy that succeeded. The preview's own
// workbook is refused as destination. A name ending in .xlsx gets the same
// workbook converted to Office Open XML; any other name the byte copy.
void Form2::PushButton6_Click() {
    ErrorTrap trap(QLatin1String(contexts::kForm2PushButton6Click), m_services.messages);
    shell::SaveFileRequest request;
    trap.run(100, [&] { request.fileName.clear(); });
    trap.run(102, [&] { request.title = QLatin1String(kSaveDialogTitle); });
    trap.run(104, [&] { request.filter = QLatin1String(kSaveDialogFilter); });
    QString name;
    trap.run(106, [&] { name = m_services.saveDialog.ShowSave(request); });
    if (name.isEmpty()) return;  // cancelled
    if (shell::isSameFile(name, mExcelFile)) {
        trap.run(108, [&] { shell::showMessage(m_services.messages, QLatin1String(kOwnWorkbookRefusal)); });
        return;
    }
    report::WorkbookBytes workbook;
    try {
        workbook = report::readWorkbookToSave(mExcelFile);
    } catch (const report::IncompleteWorkbook& incomplete) {
        trap.run(108, [&] {
            shell::showMessage(m_services.messages, incompleteWorkbookMessage(incomplete.what(), name),
                               MessageIcon::Warning);
        });
        return;
    }
    if (shell::FileExists(name)) {
        MessageAnswer answer = MessageAnswer::No;
        trap.run(110, [&] {
            answer = shell::showMessage(
                m_services.messages,
                QLatin1String(kOverwriteQuestionStart) + name + QLatin1String(kOverwriteQuestionEnd),
                MessageIcon::None, MessageButtons::YesNo);
        });
        if (answer != MessageAnswer::Yes) return;
    }
    trap.run(112, [&] { m_pointer->setPointer(shell::MousePointer::Hourglass); });
    bool copied = false;
    trap.run(114, [&] {
        if (report::isOpenXmlName(name)) report::saveOpenXmlCopy(m_services.automation, mExcelFile, name);
        else report::saveWorkbookCopy(workbook, name);
        copied = true;
    });
    trap.run(116, [&] { m_pointer->setPointer(shell::MousePointer::Default); });
    if (copied) trap.run(118, [&] { shell::showMessage(m_services.messages, QLatin1String(kSavedMessage)); });
}

// Back: the temporary workbook goes; the window keeps its state, hidden.
void Form2::PushButton8_Click() {
    ErrorTrap trap(QLatin1String(contexts::kForm2PushButton8Click), m_services.messages);
    trap.run(100, [&] { shell::DeleteTempFile(mExcelFile); });
    trap.run(102, [&] {
        if (m_services.showInputWindow) m_services.showInputWindow();
    });
    trap.run(104, [&] { hide(); });
}

void Form2::Form_QueryUnload() {
    ErrorTrap trap(QLatin1String(contexts::kForm2FormQueryUnload), m_services.messages);
    trap.run(100, [&] { shell::DeleteTempFile(mExcelFile); });
    trap.run(102, [&] { QCoreApplication::processEvents(); });
    trap.run(104, [&] { QCoreApplication::processEvents(); });
}

// Ends the whole program, whatever other window is still loaded or hidden.
void Form2::Form_Unload() {
    if (m_services.endProgram) m_services.endProgram();
}

}  // namespace preview
