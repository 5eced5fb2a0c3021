// Damaged and foreign input: each fault is reported as an XlsError of the right
// kind with a message that says what is wrong, never a crash, a hang or a read
// past the buffer (the sanitizer build watches the last), and the workbook
// being read into stays empty.
#include "biff_test_support.h"
#include "sample_workbooks.h"

#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/ole/compound_file_writer.h"

#include <functional>

using namespace biff_test;
namespace rec = spreadsheet::xls::biff::record;
using biff::XlsError;
using biff::XlsErrorKind;

namespace {

std::vector<uint8_t> goodStream() {
    model::Workbook book;
    buildEverything(book);
    return streamOf(book);
}

void put16(std::vector<uint8_t>& b, std::size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void put32(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
    put16(b, at, static_cast<uint16_t>(v));
    put16(b, at + 2, static_cast<uint16_t>(v >> 16));
}

// Stream offset of the n-th record with this id.
std::size_t offsetOf(const std::vector<uint8_t>& stream, uint16_t id, int n = 0) {
    for (const RecordInfo& r : records(stream))
        if (r.id == id && n-- == 0) return r.offset;
    ADD_FAILURE() << "no record " << id;
    return 0;
}

struct Damage {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> apply;
    XlsErrorKind kind;
    std::string message;  // the whole message, or its start when it ends in "..."
};

// Reads the stream; returns the error, checking the target workbook stayed empty.
XlsError errorOf(const std::vector<uint8_t>& stream) {
    model::Workbook into;
    try {
        biff::loadWorkbookStream(stream, into);
    } catch (const XlsError& e) {
        EXPECT_EQ(into.sheetCount(), 0) << "the workbook was changed by a failed read";
        return e;
    }
    ADD_FAILURE() << "no XlsError was thrown";
    return XlsError(XlsErrorKind::Damaged, "none");
}

void expectMessage(const XlsError& e, const std::string& message, const char* what) {
    const std::string text = e.what();
    if (message.ends_with("...")) EXPECT_TRUE(text.starts_with(message.substr(0, message.size() - 3))) << what << ": " << text;
    else EXPECT_EQ(text, message) << what;
}

}  // namespace

TEST(DamagedInput, each_fault_is_named) {
    const std::vector<Damage> table = {
        {"an empty stream", [](auto& s) { s.clear(); }, XlsErrorKind::NotWorkbook,
         "not an Excel 97-2003 workbook: the Workbook stream is empty"},
        {"a stream cut inside a record header", [](auto& s) { s.resize(offsetOf(s, rec::kSst) + 2); },
         XlsErrorKind::Damaged, "the workbook is damaged: the workbook stream ends inside a record header at offset ..."},
        {"a stream cut inside a record body", [](auto& s) { s.resize(offsetOf(s, rec::kSst) + 9); },
         XlsErrorKind::Damaged, "the workbook is damaged: record 0x00FC at offset ..."},
        {"a record length past the end", [](auto& s) { put16(s, offsetOf(s, rec::kExtSst) + 2, 0xFFFF); },
         XlsErrorKind::Damaged, "the workbook is damaged: record 0x00FF at offset ..."},
        {"no BOF at the start", [](auto& s) { put16(s, 0, rec::kEof); }, XlsErrorKind::NotWorkbook,
         "not an Excel 97-2003 workbook: the Workbook stream does not begin with a BOF record"},
        {"an Excel 5.0/95 BOF", [](auto& s) { put16(s, 4, 0x0500); }, XlsErrorKind::NotWorkbook,
         "not an Excel 97-2003 workbook: it was saved in the older Excel 5.0/95 format (BIFF5)"},
        {"an unknown BOF version", [](auto& s) { put16(s, 4, 0x0700); }, XlsErrorKind::NotWorkbook,
         "not an Excel 97-2003 workbook: its BOF record gives version 0x0700, not BIFF8 (0x0600)"},
        {"a sheet offset past the end", [](auto& s) { put32(s, offsetOf(s, rec::kBoundSheet8) + 4, 0x7FFFFFF0); },
         XlsErrorKind::Damaged, "the workbook is damaged: a sheet starts at offset 2147483632, past the end of the ..."},
        {"a sheet offset inside a record",
         [](auto& s) { put32(s, offsetOf(s, rec::kBoundSheet8) + 4, static_cast<uint32_t>(offsetOf(s, rec::kSst))); },
         XlsErrorKind::Damaged, "the workbook is damaged: a substream does not begin with a BOF record"},
        {"an SST promising more strings than it holds", [](auto& s) { put32(s, offsetOf(s, rec::kSst) + 8, 0xFFFFFFFF); },
         XlsErrorKind::Damaged, "the workbook is damaged: the SST record promises 4294967295 strings but holds 2"},
        {"a LABELSST past the shared strings",
         [](auto& s) { put32(s, offsetOf(s, rec::kLabelSst) + 10, 99); }, XlsErrorKind::Damaged,
         "the workbook is damaged: a LABELSST record refers to shared string 99 of 2"},
        {"a FONT record cut short", [](auto& s) { put16(s, offsetOf(s, rec::kFont) + 2, 3); }, XlsErrorKind::Damaged,
         "the workbook is damaged: a FONT record is too short: it ends after 3 bytes"},
        {"globals without EOF", [](auto& s) { put16(s, offsetOf(s, rec::kEof), rec::kCountry); }, XlsErrorKind::Damaged,
         "the workbook is damaged: the globals substream has no EOF record"},
        {"a worksheet without EOF", [](auto& s) { s.resize(s.size() - 4); }, XlsErrorKind::Damaged,
         "the workbook is damaged: a worksheet has no EOF record"},
        {"an encrypted workbook", [](auto& s) { put16(s, offsetOf(s, rec::kWriteAccess), rec::kFilePass); },
         XlsErrorKind::Unsupported, "cannot open this workbook: it is encrypted with a password"},
    };
    const std::vector<uint8_t> good = goodStream();
    for (const Damage& d : table) {
        std::vector<uint8_t> stream = good;
        d.apply(stream);
        const XlsError e = errorOf(stream);
        EXPECT_EQ(e.kind(), d.kind) << d.what << ": " << e.what();
        expectMessage(e, d.message, d.what);
    }
}

// Cut anywhere, the stream is refused with an XlsError; nothing else escapes.
TEST(DamagedInput, a_stream_cut_at_any_length_is_refused) {
    const std::vector<uint8_t> good = goodStream();
    for (std::size_t length = 0; length < good.size(); length += 5) {
        model::Workbook into;
        EXPECT_THROW(biff::loadWorkbookStream(std::span(good.data(), length), into), XlsError) << length;
        EXPECT_EQ(into.sheetCount(), 0);
    }
}

// Every byte overwritten in turn: each stream either reads or is refused with an XlsError.
TEST(DamagedInput, overwritten_bytes_are_read_or_refused_never_crash) {
    const std::vector<uint8_t> good = goodStream();
    for (const uint8_t junk : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x7F}}) {
        for (std::size_t at = 0; at < good.size(); ++at) {
            std::vector<uint8_t> stream = good;
            stream[at] = junk;
            model::Workbook into;
            try {
                biff::loadWorkbookStream(stream, into);
            } catch (const XlsError&) {
                EXPECT_EQ(into.sheetCount(), 0) << at;
            }
        }
    }
}

TEST(DamagedInput, files_that_are_not_workbooks) {
    model::Workbook into;
    const std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o', '\n'};
    try {
        biff::loadWorkbook(std::span<const uint8_t>(text), into);
        ADD_FAILURE() << "a text file was read";
    } catch (const XlsError& e) {
        EXPECT_EQ(e.kind(), XlsErrorKind::NotWorkbook);
        EXPECT_STREQ(e.what(), "not an Excel 97-2003 workbook: not a compound file: the signature is missing");
    }
    spreadsheet::xls::ole::CompoundFileWriter older;
    older.addStream("Book", goodStream());
    try {
        biff::loadWorkbook(std::span<const uint8_t>(older.bytes()), into);
        ADD_FAILURE() << "an Excel 5.0/95 file was read";
    } catch (const XlsError& e) {
        EXPECT_STREQ(e.what(), "not an Excel 97-2003 workbook: it was saved in the older Excel 5.0/95 format");
    }
    EXPECT_EQ(into.sheetCount(), 0);
}
