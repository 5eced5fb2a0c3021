// The decimal separator of the user's locale and the text conversion around it.
#include "report/decimal_text.h"

#include <QLocale>

namespace report {

QString GetDecimalSeparator() {
    return QLocale().toString(1.0 / 2.0).trimmed().mid(1, 1);
}

QString ConvertDecimalText(const QString& text, bool toInvariant) {
    const QString separator = GetDecimalSeparator();
    QString out = text;
    if (toInvariant) {
        if (!separator.isEmpty()) out.replace(separator, QStringLiteral("."), Qt::CaseSensitive);
        return out;
    }
    out.replace(QStringLiteral("."), separator, Qt::CaseSensitive);
    out.replace(QStringLiteral(","), separator, Qt::CaseSensitive);
    return out;
}

}  // namespace report
