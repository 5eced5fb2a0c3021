#include "shell/save_file_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace shell {

QString QtSaveFileDialog::ShowSave(const SaveFileRequest& request) {
    return QFileDialog::getSaveFileName(m_parent, request.title, request.fileName, qtNameFilter(request.filter),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QString qtNameFilter(const QString& barSeparatedFilter) {
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.isEmpty() && patterns.isEmpty()) continue;
        filters << (description.contains(QLatin1Char('(') + patterns + QLatin1Char(')'))
                        ? description
                        : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace shell
