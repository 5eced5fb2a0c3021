#include "shell/settings_file_lines.h"

#include <QList>
#include <QStringDecoder>

namespace shell {
namespace {

bool isPlainUtf8(const QByteArray& line) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(line);
    if (decoder.hasError()) return false;
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t')) return false;
    return true;
}

// A value as the INI reader sees it: a backslash takes the next character
// (at the very end it would join the next line), a quote opens or closes a
// quoted part, and a semicolon outside quotes starts a comment.
bool valueIsClosed(const QByteArray& value) {
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\') {
            if (++i == value.size()) return false;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            return true;
        }
    }
    return !quoted;
}

enum class LineKind { Keep, SectionHeader, KeyValue, Unreadable };

LineKind kindOf(const QByteArray& line) {
    if (!isPlainUtf8(line)) return LineKind::Unreadable;
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#')) return LineKind::Keep;
    if (trimmed.startsWith('['))
        return trimmed.size() > 2 && trimmed.endsWith(']') ? LineKind::SectionHeader : LineKind::Unreadable;
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0 || trimmed.left(equals).trimmed().isEmpty()) return LineKind::Unreadable;
    return valueIsClosed(trimmed.mid(equals + 1)) ? LineKind::KeyValue : LineKind::Unreadable;
}

}  // namespace

SettingsFileLines readSettingsFileLines(const QByteArray& file) {
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    const QByteArray text = file.startsWith(byteOrderMark) ? file.mid(byteOrderMark.size()) : file;
    SettingsFileLines result;
    bool inKnownSection = true;  // keys before any header belong to the general section
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (i + 1 == lines.size() && line.isEmpty()) break;  // the end of the last line
        LineKind kind = kindOf(line);
        if (kind == LineKind::SectionHeader) inKnownSection = true;
        if (kind == LineKind::Unreadable && line.trimmed().startsWith('[')) inKnownSection = false;
        if (kind == LineKind::KeyValue && !inKnownSection) kind = LineKind::Unreadable;
        if (kind == LineKind::Unreadable) {
            result.unreadable.push_back(int(i + 1));
            continue;
        }
        result.readable += line;
        result.readable += '\n';
    }
    return result;
}

}  // namespace shell
