// Damaged and foreign input: each fault is reported as an OleError of the right
// kind with a message that says what is wrong, never a crash, a hang or a read
// past the buffer (the sanitizer build watches the last).
#include "ole_test_support.h"

#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/compound_file_writer.h"
#include "spreadsheet/xls/ole/ole_error.h"

using namespace ole_test;

namespace {

// Sectors: FAT 0-1, mini FAT 2, directory 3, mini stream 4, "Workbook" 5-204 (its last one
// exactly filled). Directory: 0 root, 1 "Notes" (in the mini stream), 2 "Workbook", 3 unused.
std::vector<uint8_t> workbookFile() {
    CompoundFileWriter writer;
    writer.addStream("Workbook", pattern(100 * 1024, 1));
    writer.addStream("Notes", pattern(300, 2));
    return writer.bytes();
}

// Opens the file and reads every stream; returns the error it raised.
OleError readAll(std::vector<uint8_t> file) {
    return errorOf([&] {
        const CompoundFileReader reader(std::move(file));
        for (const std::string& name : reader.streamNames()) reader.stream(name);
    });
}

void expectError(std::vector<uint8_t> file, OleErrorKind kind, const std::string& message) {
    const OleError error = readAll(std::move(file));
    EXPECT_EQ(error.kind(), kind) << error.what();
    EXPECT_EQ(error.what(), message);
}

void expectDamaged(std::vector<uint8_t> file, const std::string& detail) {
    expectError(std::move(file), OleErrorKind::Damaged, "the file is damaged: " + detail);
}

}  // namespace

TEST(DamagedCompoundFile, foreign_files_are_told_apart_from_damaged_ones) {
    expectError({}, OleErrorKind::NotCompoundFile, "not a compound file: the signature is missing");
    std::vector<uint8_t> file = workbookFile();
    putU16(file, header::kByteOrder, 0xFEFF);
    expectError(file, OleErrorKind::Unsupported,
                "unsupported compound file: the byte order mark is 0xFEFF, not 0xFFFE");
    file = workbookFile();
    putU16(file, header::kMajorVersion, 4);  // version 4 with 512-byte sectors
    expectError(file, OleErrorKind::Unsupported, "unsupported compound file: major version 4 with sector shift 9");
}

TEST(DamagedCompoundFile, a_file_cut_short_anywhere_is_reported) {
    const std::vector<uint8_t> whole = workbookFile();
    for (const std::size_t length : {std::size_t{7}, std::size_t{100}, std::size_t{512}, std::size_t{1500},
                                     whole.size() / 2, whole.size() - 1}) {
        const OleError error = readAll({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)});
        EXPECT_NE(std::string(error.what()).find(length < 8 ? "signature" : "the file is damaged"), std::string::npos)
            << length << ": " << error.what();
    }
    expectDamaged({whole.begin(), whole.begin() + 100}, "it ends inside the header, after 100 of 512 bytes");
}

TEST(DamagedCompoundFile, a_looping_or_stray_sector_chain_is_reported_where_it_goes_wrong) {
    std::vector<uint8_t> file = workbookFile();
    putU32(file, fatEntryOffset(file, 17), 10);  // Workbook's chain: 5, 6, ... 17, back to 10
    expectDamaged(file, "the sector chain of stream \"Workbook\" loops at sector 10");
    file = workbookFile();
    putU32(file, fatEntryOffset(file, 17), 100000);
    expectDamaged(file, "the sector chain of stream \"Workbook\" points to sector 100000, past the last of 256");
    file = workbookFile();
    putU32(file, fatEntryOffset(file, 2), 2);  // the mini FAT's own chain
    expectDamaged(file, "the sector chain of the mini FAT loops at sector 2");
}

TEST(DamagedCompoundFile, stream_sizes_beyond_what_the_chain_or_file_holds_are_refused) {
    std::vector<uint8_t> file = workbookFile();
    putU32(file, entryOffset(file, 2) + entry::kStreamSize, 100 * 1024 + 1);
    expectDamaged(file, "stream \"Workbook\" claims 102401 bytes, but its sector chain ends after 200 sectors");
    file = workbookFile();
    putU32(file, entryOffset(file, 2) + entry::kStreamSize, 0x7FFFFFFF);
    expectDamaged(file, "stream \"Workbook\" claims 2147483647 bytes, more than the whole file holds");
    file = workbookFile();
    putU32(file, entryOffset(file, 1) + entry::kStreamSize, 4000);  // under the cutoff; the mini stream holds 320
    expectDamaged(file, "stream \"Notes\" claims 4000 bytes, more than the mini stream holds");
    file = workbookFile();
    putU32(file, header::kFatSectorCount, 0x10000000);
    expectDamaged(file, "the header counts 268435456 FAT sectors, but the file holds only 205 sectors");
}

TEST(DamagedCompoundFile, directory_links_that_cycle_or_leave_the_array_are_reported) {
    std::vector<uint8_t> file = workbookFile();
    const uint32_t top = getU32(file, entryOffset(file, 0) + entry::kChild);
    putU32(file, entryOffset(file, top) + entry::kRightSibling, top);
    expectDamaged(file, "the directory tree reaches entry " + std::to_string(top) + " twice");
    file = workbookFile();
    putU32(file, entryOffset(file, top) + entry::kLeftSibling, 9);
    expectDamaged(file, "the directory links to entry 9, past the last of 4");
    file = workbookFile();
    putU32(file, entryOffset(file, 0) + entry::kChild, 3);  // an unused entry
    expectDamaged(file, "directory entry 3 of type 0 is linked into the tree");
}

TEST(DamagedCompoundFile, a_looping_difat_chain_is_reported) {
    CompoundFileWriter writer;
    writer.addStream("Workbook", pattern(8 * 1024 * 1024, 1));
    std::vector<uint8_t> file = writer.bytes();
    const uint32_t difat = getU32(file, header::kFirstDifatSector);
    putU32(file, header::kDifatSectorCount, 3);
    putU32(file, header::kFatSectorCount, getU32(file, header::kFatSectorCount) + 300);
    putU32(file, sectorOffset(difat) + kSectorSize - kSectorIdSize, difat);
    expectDamaged(file, "the DIFAT's sector chain loops at sector " + std::to_string(difat));
}

// Before: "No/es" was listed as "No/es", which stream() then looked up as stream
// "es" in storage "No" and did not find; an unpaired surrogate came back as U+FFFD
// and was not found either.
TEST(DamagedCompoundFile, streams_no_path_can_name_are_left_out_of_the_listing) {
    for (const uint16_t unit : {uint16_t{'/'}, uint16_t{0xD800}}) {
        std::vector<uint8_t> file = workbookFile();
        putU16(file, entryOffset(file, 1) + entry::kName + 2 * sizeof(char16_t), unit);  // "No?es"
        const CompoundFileReader reader(std::move(file));
        EXPECT_EQ(reader.streamNames(), std::vector<std::string>{"Workbook"}) << unit;
        EXPECT_EQ(reader.stream("Workbook"), pattern(100 * 1024, 1));
    }
}
