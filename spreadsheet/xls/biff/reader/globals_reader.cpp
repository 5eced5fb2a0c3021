// The globals substream, record by record; unknown records are skipped.
// What the model cannot hold (protection, window size, other names) is read past.
#include "spreadsheet/xls/biff/reader/globals_reader.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/reader/style_reader.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"
#include "spreadsheet/xls/biff/records/xls_error.h"
#include "spreadsheet/xls/hex_text.h"

#include <algorithm>

namespace spreadsheet::xls::biff {
namespace {

constexpr std::size_t kMaxReserve = 1 << 16;  // trust no count in a file beyond this for reserving memory
constexpr std::size_t kVisibilitySize = 1;
constexpr std::size_t kWindowPlacementSize = 10;  // WINDOW1: position, size and flags before the active tab

std::vector<std::string> readSharedStrings(const Record& record) {
    ContinuedCursor in(record, "the SST record");
    in.u32();  // references, which the reader does not need
    const uint32_t unique = in.u32();
    std::vector<std::string> strings;
    strings.reserve(std::min<std::size_t>(unique, kMaxReserve));
    for (uint32_t i = 0; i < unique; ++i) {
        if (in.atEnd())
            throwDamaged("the SST record promises " + std::to_string(unique) + " strings but holds " +
                         std::to_string(i));
        strings.push_back(unicode::utf8FromUtf16(in.richString()));
    }
    return strings;
}

SheetEntry readSheetEntry(const Record& record) {
    ByteCursor in(record.body, "a BOUNDSHEET8 record");
    SheetEntry entry;
    entry.offset = in.u32();
    in.skip(kVisibilitySize);
    entry.type = in.u8();
    entry.name = unicode::utf8FromUtf16(in.shortString());
    return entry;
}

// SUPBOOK records in order: true for the one that means this workbook.
bool isSelfReference(const Record& record) {
    ByteCursor in(record.body, "a SUPBOOK record");
    in.u16();
    return in.remaining() >= 2 && in.u16() == supbook::kSelfReference;
}

std::vector<std::optional<std::string>> readExternSheets(const Record& record, const std::vector<bool>& selfBooks,
                                                         const std::vector<SheetEntry>& sheets) {
    const std::vector<uint8_t> body = record.joined();
    ByteCursor in(body, "the EXTERNSHEET record");
    const std::size_t count = in.u16();
    std::vector<std::optional<std::string>> names;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t book = in.u16();
        const std::size_t first = in.u16();
        const std::size_t last = in.u16();
        // Only sheets the model receives can be referred to; macro sheets and modules are read past.
        const bool here = book < selfBooks.size() && selfBooks[book] && first == last && first < sheets.size() &&
                          (sheets[first].type == boundsheet::kWorksheet || sheets[first].type == boundsheet::kChartSheet);
        names.push_back(here ? std::optional<std::string>(sheets[first].name) : std::nullopt);
    }
    return names;
}

int readActiveSheet(const Record& record) {
    ByteCursor in(record.body, "the WINDOW1 record");
    in.skip(kWindowPlacementSize);
    return in.u16();
}

}  // namespace

uint16_t readBof(const Record& record) {
    if (record.id != record::kBof) throwDamaged("a substream does not begin with a BOF record");
    ByteCursor in(record.body, "a BOF record");
    const uint16_t version = in.u16();
    const uint16_t type = in.u16();
    if (version == bof::kVersionBiff5)
        throwNotWorkbook("it was saved in the older Excel 5.0/95 format (BIFF5)");
    if (version != bof::kVersionBiff8)
        throwNotWorkbook("its BOF record gives version " + hexText(version, 4) + ", not BIFF8 (0x0600)");
    return type;
}

WorkbookGlobals readGlobals(Bytes stream) {
    RecordReader reader(stream, 0);
    if (reader.atEnd()) throwNotWorkbook("the Workbook stream is empty");
    const Record first = reader.next();
    if (first.id != record::kBof) throwNotWorkbook("the Workbook stream does not begin with a BOF record");
    if (readBof(first) != bof::kGlobals) throwNotWorkbook("the Workbook stream does not begin with the globals");
    WorkbookGlobals g;
    std::vector<bool> selfBooks;
    std::size_t fontRecords = 0;
    for (;;) {
        if (reader.atEnd()) throwDamaged("the globals substream has no EOF record");
        const Record r = reader.next();
        switch (r.id) {
        case record::kEof: return g;
        case record::kBof: throwDamaged("the globals substream has no EOF record");
        case record::kFilePass: throw XlsError(XlsErrorKind::Unsupported, "it is encrypted with a password");
        case record::kWindow1: g.activeSheet = readActiveSheet(r); break;
        case record::kFont: g.fonts[fontIndexOfRecord(fontRecords++)] = readFont(r); break;
        case record::kFormat: g.formats.insert(readFormat(r)); break;
        case record::kXf: g.xfs.push_back(readXf(r)); break;
        case record::kPalette: readPalette(r, g.palette.emplace()); break;
        case record::kBoundSheet8: g.sheets.push_back(readSheetEntry(r)); break;
        case record::kSupBook: selfBooks.push_back(isSelfReference(r)); break;
        case record::kExternSheet: g.externSheets = readExternSheets(r, selfBooks, g.sheets); break;
        case record::kLbl: g.names.push_back(readDefinedName(r)); break;
        case record::kSst: g.sharedStrings = readSharedStrings(r); break;
        default: break;
        }
    }
}

}  // namespace spreadsheet::xls::biff
