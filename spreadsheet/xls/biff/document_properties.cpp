// The summary and document summary of a workbook. The strings go in code page
// 1252, as the spreadsheet stores them, unless a sheet name needs characters
// beyond it; then the whole set is stored in UTF-16.
#include "spreadsheet/xls/biff/document_properties.h"

#include "spreadsheet/xls/ole/code_page_text.h"
#include "spreadsheet/xls/ole/ole_error.h"
#include "spreadsheet/xls/ole/property_set.h"

#include <algorithm>
#include <string>

namespace spreadsheet::xls::biff {
namespace {

using ole::Property;

// Property ids of the summary.
namespace summaryid {
inline constexpr uint32_t kApplicationName = 0x12;
inline constexpr uint32_t kCreated = 0x0C;
inline constexpr uint32_t kLastSaved = 0x0D;
inline constexpr uint32_t kSecurity = 0x13;  // 0: no password or recommendation to open read-only
}  // namespace summaryid

// Property ids of the document summary.
namespace docsummaryid {
inline constexpr uint32_t kScaleCrop = 0x0B;
inline constexpr uint32_t kHeadingPairs = 0x0C;
inline constexpr uint32_t kTitlesOfParts = 0x0D;
inline constexpr uint32_t kLinksDirty = 0x10;
inline constexpr uint32_t kSharedDocument = 0x13;
inline constexpr uint32_t kHyperlinksChanged = 0x16;
}  // namespace docsummaryid

// The headings the spreadsheet files its sheets under, in its order.
constexpr std::string_view kWorksheetsHeading = "Worksheets";
constexpr std::string_view kChartsHeading = "Charts";

int16_t codePageFor(const std::vector<std::string>& texts) {
    const bool fits = std::all_of(texts.begin(), texts.end(),
                                  [](const std::string& text) { return ole::windows1252FromUtf8(text).has_value(); });
    return static_cast<int16_t>(fits ? ole::kCodePageWindows1252 : ole::kCodePageUnicode);
}

std::vector<std::string> namesOf(const model::Workbook& workbook, model::SheetKind kind) {
    std::vector<std::string> names;
    for (int i = 0; i < workbook.sheetCount(); ++i)
        if (workbook.sheet(i).kind() == kind) names.push_back(workbook.sheet(i).name());
    return names;
}

}  // namespace

std::vector<uint8_t> summaryStream(const model::Workbook& workbook, std::chrono::system_clock::time_point savedAt) {
    const ole::PropertySection section{
        ole::kFormatIdSummaryInformation,
        {
            {ole::kPropertyIdCodePage, static_cast<int16_t>(ole::kCodePageWindows1252)},
            {summaryid::kCreated, ole::fileTimeOf(workbook.createdAt())},
            {summaryid::kLastSaved, ole::fileTimeOf(savedAt)},
            {summaryid::kApplicationName, std::string(kApplicationName)},
            {summaryid::kSecurity, int32_t{0}},
        }};
    return ole::propertySetStream(section);
}

// Heading pairs ("Worksheets", 1, "Charts", 1) count the titles of parts that
// follow under each heading, the sheet names; a heading without sheets is left out.
std::vector<uint8_t> documentSummaryStream(const model::Workbook& workbook) {
    std::vector<ole::VariantItem> headings;
    std::vector<std::string> titles;
    for (const auto& [heading, kind] : {std::pair{kWorksheetsHeading, model::SheetKind::Worksheet},
                                        std::pair{kChartsHeading, model::SheetKind::Chart}}) {
        const std::vector<std::string> names = namesOf(workbook, kind);
        if (names.empty()) continue;
        headings.emplace_back(std::string(heading));
        headings.emplace_back(static_cast<int32_t>(names.size()));
        titles.insert(titles.end(), names.begin(), names.end());
    }
    const ole::PropertySection section{
        ole::kFormatIdDocumentSummaryInformation,
        {
            {ole::kPropertyIdCodePage, codePageFor(titles)},
            {docsummaryid::kScaleCrop, false},
            {docsummaryid::kHeadingPairs, headings},
            {docsummaryid::kTitlesOfParts, titles},
            {docsummaryid::kLinksDirty, false},
            {docsummaryid::kSharedDocument, false},
            {docsummaryid::kHyperlinksChanged, false},
        }};
    return ole::propertySetStream(section);
}

std::optional<std::chrono::system_clock::time_point> creationTimeIn(std::span<const uint8_t> summary) {
    try {
        const ole::PropertySection section = ole::readPropertySet(summary);
        if (section.formatId != ole::kFormatIdSummaryInformation) return std::nullopt;
        for (const Property& property : section.properties)
            if (const auto* time = std::get_if<ole::FileTime>(&property.value);
                time && property.id == summaryid::kCreated && time->ticks != 0)
                return ole::timePointOf(*time);
    } catch (const ole::OleError&) {
    }
    return std::nullopt;
}

}  // namespace spreadsheet::xls::biff
