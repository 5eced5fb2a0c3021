// The smallest file the Save command takes for a workbook: a compound file
// whose "Workbook" stream opens with the globals' BOF record, padded to a
// given size so that copies cross the writers' buffer sizes.
#pragma once

#include "spreadsheet/xls/ole/compound_file_writer.h"

#include <QByteArray>
#include <cstdint>
#include <string_view>
#include <vector>

namespace testing_support {

inline std::vector<uint8_t> workbookStreamOpening() {
    // BOF: id 0x0809, 16 bytes; BIFF8, workbook globals, then build fields.
    return {0x09, 0x08, 0x10, 0x00, 0x00, 0x06, 0x05, 0x00, 0xBB, 0x0D, 0xCC, 0x07,
            0x00, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00};
}

// A compound file with one stream of that name and those bytes.
inline QByteArray compoundFile(std::string_view streamName, std::vector<uint8_t> stream) {
    spreadsheet::xls::ole::CompoundFileWriter writer;
    writer.addStream(streamName, std::move(stream));
    const std::vector<uint8_t> bytes = writer.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

inline QByteArray minimalWorkbookFile(std::size_t streamSize = 60000) {
    std::vector<uint8_t> stream = workbookStreamOpening();
    for (std::size_t i = stream.size(); i < streamSize; ++i) stream.push_back(uint8_t(i * 7));
    return compoundFile("Workbook", std::move(stream));
}

}  // namespace testing_support
