#include "cli/figures.h"

#include "cli/command_line.h"
#include "input/input_field_table.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

namespace cli {
namespace {

const input::InputFieldInfo* fieldOfKey(const QString& key) {
    for (const input::InputFieldInfo& field : input::inputFields())
        if (key == QLatin1String(field.key)) return &field;
    return nullptr;
}

// "Sales price" is not "Sales Price": the key that differs only in case or
// spacing, offered with the refusal.
QString likelyKey(const QString& key) {
    const auto squeezed = [](QString text) { return text.remove(QLatin1Char(' ')).toLower(); };
    for (const input::InputFieldInfo& field : input::inputFields())
        if (squeezed(QLatin1String(field.key)) == squeezed(key)) return QLatin1String(field.key);
    return {};
}

const input::InputFieldInfo& knownField(const QString& key, const QString& where) {
    if (const input::InputFieldInfo* field = fieldOfKey(key)) return *field;
    std::string message = where.toStdString() + "unknown key \"" + key.toStdString() + "\"";
    if (const QString likely = likelyKey(key); !likely.isEmpty())
        message += " (did you mean \"" + likely.toStdString() + "\"?)";
    throw UsageError(message + ". The keys are \"Name\", \"Sales Price\", \"Sales Volume\", \"Direct Material\", "
                               "\"Commission\", \"Shipping\", \"Supplies\", \"Other Variable\", \"Administrative "
                               "Cost\", \"Insurance\", \"Property Tax\", \"Rent\" and \"Other Fixed Cost\".");
}

// Line and column (from 1) of a byte offset, for the parse error.
QString lineAndColumn(const QByteArray& text, qsizetype offset) {
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((uchar(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

}  // namespace

QString Figures::textOfField(const QString& fieldName) const {
    for (const input::InputFieldInfo& field : input::inputFields())
        if (fieldName == QLatin1String(field.name)) return m_texts.value(QLatin1String(field.key));
    return {};
}

Figures figuresFromJson(const QByteArray& json, const QString& source) {
    const QString where = source + QStringLiteral(": ");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw UsageError((where + QStringLiteral("not valid JSON at ") + lineAndColumn(json, error.offset) +
                          QStringLiteral(": ") + error.errorString() + QLatin1Char('.'))
                             .toStdString());
    if (!document.isObject())
        throw UsageError(where.toStdString() + "the figures must be one JSON object of texts, such as "
                                               "{\"Name\": \"Acme\", \"Sales Price\": \"12.5\"}.");
    Figures figures;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const input::InputFieldInfo& field = knownField(it.key(), where);
        if (!it.value().isString())
            throw UsageError(where.toStdString() + "the value of \"" + it.key().toStdString() +
                             "\" must be a text in quotes, exactly as it would be typed.");
        figures.m_texts.insert(QLatin1String(field.key), it.value().toString());
    }
    return figures;
}

Figures storedFigures(shell::SettingsStore& store) {
    const QChar decimalPoint = QLocale().decimalPoint().at(0);
    Figures figures;
    for (const input::InputFieldInfo* field : input::fillOrder())
        figures.m_texts.insert(QLatin1String(field->key),
                               store.read(QLatin1String(field->key), input::defaultText(*field, decimalPoint)));
    return figures;
}

void setFigure(Figures& figures, const QString& key, const QString& text) {
    const input::InputFieldInfo& field = knownField(key, QStringLiteral("--set: "));
    figures.m_texts.insert(QLatin1String(field.key), text);
}

}  // namespace cli
