// The property streams of a saved workbook, read with the property set
// reader: the summary names the program and the times and nobody who saved;
// the document summary files the sheets under "Worksheets" and "Charts" in the
// spreadsheet's order, in code page 1252 unless a name needs more.
#include "biff_test_support.h"
#include "sample_workbooks.h"

#include "spreadsheet/xls/biff/document_properties.h"
#include "spreadsheet/xls/ole/property_set.h"

#include <gmock/gmock.h>

#include <chrono>

using namespace biff_test;
namespace ole = spreadsheet::xls::ole;
using ::testing::ElementsAre;

namespace {

std::optional<ole::PropertyValue> valueOf(const ole::PropertySection& section, uint32_t id) {
    for (const ole::Property& property : section.properties)
        if (property.id == id) return property.value;
    return std::nullopt;
}

std::vector<uint32_t> idsOf(const ole::PropertySection& section) {
    std::vector<uint32_t> ids;
    for (const ole::Property& property : section.properties) ids.push_back(property.id);
    return ids;
}

const auto kNoon = std::chrono::sys_days(std::chrono::year(2025) / 3 / 4) + std::chrono::hours(12);

}  // namespace

TEST(SummaryStream, names_the_program_and_the_times_and_no_person) {
    model::Workbook book;
    buildBreakeven(book);
    book.setCreatedAt(kNoon - std::chrono::minutes(3));
    const ole::PropertySection summary = ole::readPropertySet(biff::summaryStream(book, kNoon));
    EXPECT_EQ(summary.formatId, ole::kFormatIdSummaryInformation);
    EXPECT_EQ(valueOf(summary, 1), ole::PropertyValue(int16_t{1252}));
    EXPECT_EQ(valueOf(summary, 0x12), ole::PropertyValue(std::string("Quorvane")));
    EXPECT_EQ(valueOf(summary, 0x0C), ole::PropertyValue(ole::fileTimeOf(kNoon - std::chrono::minutes(3))));
    EXPECT_EQ(valueOf(summary, 0x0D), ole::PropertyValue(ole::fileTimeOf(kNoon)));
    for (const uint32_t personal : {0x04u /* author */, 0x08u /* last saved by */, 0x02u /* title */})
        EXPECT_EQ(valueOf(summary, personal), std::nullopt) << personal;
    EXPECT_EQ(biff::creationTimeIn(biff::summaryStream(book, kNoon)), kNoon - std::chrono::minutes(3));
}

TEST(DocumentSummaryStream, files_worksheets_then_charts_under_their_headings) {
    model::Workbook book;
    buildBreakeven(book);  // the data sheet
    book.addSheet("Costs Chart", model::SheetKind::Chart, 0);
    book.addSheet("Notes", model::SheetKind::Worksheet, 2);
    const ole::PropertySection summary = ole::readPropertySet(biff::documentSummaryStream(book));
    EXPECT_EQ(summary.formatId, ole::kFormatIdDocumentSummaryInformation);
    EXPECT_EQ(valueOf(summary, 1), ole::PropertyValue(int16_t{1252}));
    const std::vector<ole::VariantItem> headings{std::string("Worksheets"), int32_t{2}, std::string("Charts"),
                                                 int32_t{1}};
    EXPECT_EQ(valueOf(summary, 0x0C), ole::PropertyValue(headings));
    EXPECT_EQ(valueOf(summary, 0x0D),
              ole::PropertyValue(std::vector<std::string>{book.sheet(1).name(), "Notes", "Costs Chart"}));
    EXPECT_THAT(idsOf(summary), ElementsAre(1, 0x0B, 0x0C, 0x0D, 0x10, 0x13, 0x16));
}

TEST(DocumentSummaryStream, a_workbook_without_charts_has_no_charts_heading) {
    model::Workbook book;
    book.addSheet("Data", model::SheetKind::Worksheet, 0);
    const ole::PropertySection summary = ole::readPropertySet(biff::documentSummaryStream(book));
    EXPECT_EQ(valueOf(summary, 0x0C),
              ole::PropertyValue(std::vector<ole::VariantItem>{std::string("Worksheets"), int32_t{1}}));
    EXPECT_EQ(valueOf(summary, 0x0D), ole::PropertyValue(std::vector<std::string>{"Data"}));
}

// A name beyond code page 1252 puts the whole set in UTF-16, every name intact.
TEST(DocumentSummaryStream, names_beyond_code_page_1252_keep_every_character) {
    model::Workbook book;
    book.addSheet("Übersicht €", model::SheetKind::Worksheet, 0);
    book.addSheet("Σύνοψη", model::SheetKind::Chart, 1);
    const ole::PropertySection summary = ole::readPropertySet(biff::documentSummaryStream(book));
    EXPECT_EQ(valueOf(summary, 1), ole::PropertyValue(int16_t{1200}));
    EXPECT_EQ(valueOf(summary, 0x0D), ole::PropertyValue(std::vector<std::string>{"Übersicht €", "Σύνοψη"}));
}
