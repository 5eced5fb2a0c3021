// The two property streams a saved workbook carries beside its Workbook
// stream, as the spreadsheet always writes them and readers look for them:
// the summary (code page, the program's name, when the workbook was created
// and saved) and the document summary (its sheets, worksheets then charts,
// under a heading each). Nothing about the person saving goes in.
//
//   writer.addStream(kSummaryStreamName, summaryStream(workbook, savedAt));
//   writer.addStream(kDocumentSummaryStreamName, documentSummaryStream(workbook));
#pragma once

#include "spreadsheet/model/workbook.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace spreadsheet::xls::biff {

inline constexpr std::string_view kSummaryStreamName = "\005SummaryInformation";
inline constexpr std::string_view kDocumentSummaryStreamName = "\005DocumentSummaryInformation";
inline constexpr std::string_view kApplicationName = "Quorvane";

std::vector<uint8_t> summaryStream(const model::Workbook& workbook, std::chrono::system_clock::time_point savedAt);
std::vector<uint8_t> documentSummaryStream(const model::Workbook& workbook);

// When a summary stream says its workbook was created; nullopt when it says
// nothing of it or is no summary stream a reader can make sense of.
std::optional<std::chrono::system_clock::time_point> creationTimeIn(std::span<const uint8_t> summary);

}  // namespace spreadsheet::xls::biff
