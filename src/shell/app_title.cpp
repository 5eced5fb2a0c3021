#include "shell/app_title.h"

#include <QCoreApplication>

namespace shell {
namespace {

QString& currentTitle() {
    static QString title = productName();
    return title;
}

}  // namespace

QString productName() { return QStringLiteral("Quorvane"); }

QString makeAppTitle(const QString& name) {
    QString title = name;
    do {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0) return title.left(kAppTitleMaxLength);
        title.truncate(blank);
    } while (title.size() > kAppTitleMaxLength);
    return title;
}

QString appTitle() { return currentTitle(); }

void SetAppTitle() {
    currentTitle() = makeAppTitle(productName());
    QCoreApplication::setApplicationName(currentTitle());
}

}  // namespace shell
