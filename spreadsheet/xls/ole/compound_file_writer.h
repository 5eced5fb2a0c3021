// CompoundFileWriter: packs named streams into one compound file (version 3,
// 512-byte sectors) and returns its bytes. Streams live in the root storage;
// those under 4096 bytes share the mini stream.
//
//   CompoundFileWriter writer;
//   writer.addStream("Workbook", workbookBytes);
//   writer.addStream("\005SummaryInformation", summaryBytes);
//   writeFileAtomically(path, writer.bytes());
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::xls::ole {

class CompoundFileWriter {
public:
    // Adds a stream to the root storage. The name is UTF-8 (see validEntryName);
    // a name equal to an earlier one apart from case is refused. Throws OleError.
    void addStream(std::string_view name, std::vector<uint8_t> data);

    // The whole file. The same streams give the same bytes, in whatever order
    // they were added. Throws OleError (TooLarge) past the 2 GB a version 3 file may hold.
    std::vector<uint8_t> bytes() const;

private:
    struct Stream {
        std::u16string name;
        std::vector<uint8_t> data;
    };
    std::vector<Stream> m_streams;  // in sibling order, which is also the directory and data order
};

}  // namespace spreadsheet::xls::ole
