// The thirteen figures for a generation without windows, keyed as in the
// settings store ("Sales Price"), each a text exactly as it would be typed.
//
//   Figures figures = figuresFromJson(bytes, "acme.json");   // UsageError
//   setFigure(figures, "Rent", "950");                       // UsageError for an unknown key
//   QString text = figures.textOfField("txtRent");
#pragma once

#include "shell/settings_store.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace cli {

class Figures {
public:
    // Every field empty.
    Figures() = default;

    // The text of a field by its name ("txtRent"); empty when it has none.
    QString textOfField(const QString& fieldName) const;
    // The text under a settings key ("Rent").
    QString text(const QString& key) const { return m_texts.value(key); }

    friend Figures figuresFromJson(const QByteArray& json, const QString& source);
    friend Figures storedFigures(shell::SettingsStore& store);
    friend void setFigure(Figures& figures, const QString& key, const QString& text);

private:
    QMap<QString, QString> m_texts;  // by settings key
};

// A JSON object of texts by key; a key left out is an empty field. Throws
// UsageError naming the source and where it breaks, an unknown key (with the
// key it most likely meant), or a value that is not a text.
Figures figuresFromJson(const QByteArray& json, const QString& source);

// What the input window would show at start-up: each stored text, or the
// window's default for a first start. The store is only read.
Figures storedFigures(shell::SettingsStore& store);

// One figure over the others. Throws UsageError for an unknown key.
void setFigure(Figures& figures, const QString& key, const QString& text);

}  // namespace cli
