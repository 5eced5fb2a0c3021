// The figures the tests, the interop generator and the benchmarks type into
// the input window: the program's own sample, and a worked example whose
// results are easy to check by hand.
#pragma once

#include "input/sample_data.h"
#include "report/input_fields_source.h"

#include <QMap>
#include <QString>

namespace testing_support {

// Field texts by field name, as the input window hands them over; a field
// that is not given reads as empty.
class FieldTexts final : public report::InputFieldsSource {
public:
    explicit FieldTexts(QMap<QString, QString> texts) : m_texts(std::move(texts)) {}
    QString fieldText(const QString& name) const override { return m_texts.value(name); }

private:
    QMap<QString, QString> m_texts;
};

// "Load Sample/Example Data": Smith & Sons, 12.5 a unit, 1000 units, ...
inline QMap<QString, QString> sampleTexts() {
    QMap<QString, QString> texts;
    for (const input::SampleEntry& entry : input::kSampleData)
        texts.insert(QLatin1String(entry.field), QString::fromUtf8(entry.text));
    return texts;
}

// Price 10, volume 1000, variable 2 + 1 a unit, fixed 3000 + 1000: a
// contribution of 7 a unit and a break-even point of 571 units.
inline QMap<QString, QString> workedExampleTexts() {
    return {{"txtSalesPrice", "10"},      {"txtSalesVolume", "1000"},         {"txtCommission", "2"},
            {"txtDirectMaterial", "1"}, {"txtAdministrativeCost", "3000"}, {"txtInsurance", "1000"}};
}

}  // namespace testing_support
