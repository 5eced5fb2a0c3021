// The bytes the writer lays down: header fields, the FAT with its own and the
// DIFAT's sectors marked, the DIFAT chain, and the directory's fixed entries.
#include "ole_test_support.h"

#include "spreadsheet/xls/ole/compound_file_writer.h"

#include <algorithm>

using namespace ole_test;

namespace {

std::vector<uint8_t> smallWorkbook() {
    CompoundFileWriter writer;
    writer.addStream("Workbook", pattern(5000, 1));               // 10 regular sectors
    writer.addStream("\005SummaryInformation", pattern(200, 2));  // 4 mini sectors
    return writer.bytes();
}

// The FAT sector ids the header and the DIFAT chain list, in order.
std::vector<uint32_t> listedFatSectors(const std::vector<uint8_t>& file) {
    const uint32_t count = getU32(file, header::kFatSectorCount);
    std::vector<uint32_t> ids;
    for (std::size_t i = 0; i < kHeaderDifatCount && ids.size() < count; ++i)
        ids.push_back(getU32(file, header::kDifat + i * kSectorIdSize));
    uint32_t difat = getU32(file, header::kFirstDifatSector);
    for (uint32_t d = 0; d < getU32(file, header::kDifatSectorCount); ++d) {
        for (std::size_t i = 0; i + 1 < kSectorSize / kSectorIdSize && ids.size() < count; ++i)
            ids.push_back(getU32(file, sectorOffset(difat) + i * kSectorIdSize));
        difat = getU32(file, sectorOffset(difat) + kSectorSize - kSectorIdSize);
    }
    EXPECT_EQ(difat, kEndOfChain) << "the last DIFAT sector links on";
    return ids;
}

}  // namespace

// Expected values are written out rather than taken from layout.h, so a wrong constant fails here.
TEST(CompoundFileLayout, the_header_describes_a_version_3_file_with_512_byte_sectors) {
    const std::vector<uint8_t> file = smallWorkbook();
    EXPECT_TRUE(std::equal(kSignature.begin(), kSignature.end(), file.begin() + header::kSignature));
    EXPECT_TRUE(std::all_of(file.begin() + header::kClsid, file.begin() + header::kMinorVersion,
                            [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(getU16(file, header::kMinorVersion), 0x3E);
    EXPECT_EQ(getU16(file, header::kMajorVersion), 3);
    EXPECT_EQ(getU16(file, header::kByteOrder), 0xFFFE);
    EXPECT_EQ(getU16(file, header::kSectorShift), 9);
    EXPECT_EQ(getU16(file, header::kMiniSectorShift), 6);
    EXPECT_EQ(getU32(file, header::kDirectorySectorCount), 0u);
    EXPECT_EQ(getU32(file, header::kMiniStreamCutoff), 4096u);
    // FAT | mini FAT | directory | mini stream | Workbook: 1 + 1 + 1 + 1 + 10 sectors.
    EXPECT_EQ(getU32(file, header::kFatSectorCount), 1u);
    EXPECT_EQ(getU32(file, header::kDifat), 0u);
    EXPECT_EQ(getU32(file, header::kDifat + kSectorIdSize), kFreeSector);
    EXPECT_EQ(getU32(file, header::kFirstMiniFatSector), 1u);
    EXPECT_EQ(getU32(file, header::kMiniFatSectorCount), 1u);
    EXPECT_EQ(getU32(file, header::kFirstDirectorySector), 2u);
    EXPECT_EQ(getU32(file, header::kFirstDifatSector), kEndOfChain);
    EXPECT_EQ(getU32(file, header::kDifatSectorCount), 0u);
    EXPECT_EQ(file.size(), (1 + 14) * kSectorSize);
    EXPECT_EQ(getU32(file, fatEntryOffset(file, 0)), kFatSectorMark);
    EXPECT_EQ(getU32(file, fatEntryOffset(file, 13)), kEndOfChain);  // Workbook's last sector
    EXPECT_EQ(getU32(file, fatEntryOffset(file, 14)), kFreeSector);
}

TEST(CompoundFileLayout, the_root_entry_holds_the_mini_stream_and_unused_entries_are_empty) {
    const std::vector<uint8_t> file = smallWorkbook();
    const std::size_t root = entryOffset(file, 0);
    EXPECT_EQ(getU16(file, root + entry::kNameLength), 22);  // "Root Entry" and its terminator
    EXPECT_EQ(file[root + entry::kType], static_cast<uint8_t>(EntryType::Root));
    EXPECT_TRUE(std::all_of(file.begin() + root + entry::kClsid, file.begin() + root + entry::kStartSector,
                            [](uint8_t b) { return b == 0; }));  // CLSID, state bits, timestamps
    EXPECT_EQ(getU32(file, root + entry::kStartSector), 3u);
    EXPECT_EQ(getU64(file, root + entry::kStreamSize), 4 * kMiniSectorSize);
    const std::size_t unused = entryOffset(file, 3);
    EXPECT_EQ(file[unused + entry::kType], static_cast<uint8_t>(EntryType::Empty));
    EXPECT_EQ(getU32(file, unused + entry::kLeftSibling), kNoStream);
    EXPECT_EQ(getU32(file, unused + entry::kRightSibling), kNoStream);
    EXPECT_EQ(getU32(file, unused + entry::kChild), kNoStream);
    const auto zeros = std::count(file.begin() + unused, file.begin() + unused + kDirectoryEntrySize, 0);
    EXPECT_EQ(static_cast<std::size_t>(zeros), kDirectoryEntrySize - 3 * kSectorIdSize);
}

TEST(CompoundFileLayout, past_109_fat_sectors_the_rest_are_listed_in_difat_sectors_marked_in_the_fat) {
    // About 8 MB, sized so that 16510 sectors + 130 FAT sectors fill 130 FAT sectors exactly:
    // only counting the DIFAT sector as well shows that a 131st is needed.
    CompoundFileWriter writer;
    writer.addStream("Workbook", pattern(16509 * kSectorSize, 1));
    const std::vector<uint8_t> file = writer.bytes();
    const uint32_t sectors = static_cast<uint32_t>(file.size() / kSectorSize - 1);
    const uint32_t fatSectors = getU32(file, header::kFatSectorCount);
    // As few FAT sectors as cover every sector, themselves and the DIFAT's included.
    EXPECT_GE(fatSectors * 128, sectors);
    EXPECT_LT((fatSectors - 1) * 128, sectors);
    EXPECT_EQ(getU32(file, header::kDifatSectorCount), (fatSectors - 109 + 126) / 127);
    const std::vector<uint32_t> listed = listedFatSectors(file);
    ASSERT_EQ(listed.size(), fatSectors);
    const auto fatEntry = [&](uint32_t sector) {
        return getU32(file, sectorOffset(listed[sector / 128]) + (sector % 128) * kSectorIdSize);
    };
    for (const uint32_t id : listed) EXPECT_EQ(fatEntry(id), kFatSectorMark);
    const uint32_t firstDifat = getU32(file, header::kFirstDifatSector);
    for (uint32_t d = 0; d < getU32(file, header::kDifatSectorCount); ++d)
        EXPECT_EQ(fatEntry(firstDifat + d), kDifatSectorMark);
    EXPECT_EQ(fatEntry(sectors - 1), kEndOfChain);
}
