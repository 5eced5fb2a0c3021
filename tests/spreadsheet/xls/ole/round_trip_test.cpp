// Streams written by CompoundFileWriter come back unchanged through
// CompoundFileReader, on both sides of the mini stream cutoff and past the
// size that needs DIFAT sectors; names and the sibling tree follow the format's rules.
#include "ole_test_support.h"

#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/compound_file_writer.h"
#include "spreadsheet/xls/ole/entry_name.h"
#include "spreadsheet/xls/ole/ole_error.h"

using namespace ole_test;

namespace {

// Sizes at the edges of a mini sector, of the cutoff and of a regular sector, and one that needs DIFAT sectors.
const std::vector<std::size_t> kSizes = {0, 1, 63, 64, 4095, 4096, 4097, 100 * 1024, 8 * 1024 * 1024};

std::string sizeName(std::size_t size) { return "Size" + std::to_string(size); }

// Black height of the subtree at `id`, checking order against `low`/`high` and no red under red; -1 when broken.
int checkSubtree(const std::vector<uint8_t>& file, uint32_t id, const std::u16string* low, const std::u16string* high,
                 const std::vector<std::u16string>& names) {
    if (id == kNoStream) return 1;
    const std::size_t at = entryOffset(file, id);
    const std::u16string& name = names[id];
    if ((low && compareEntryNames(*low, name) >= 0) || (high && compareEntryNames(name, *high) >= 0)) return -1;
    const bool red = file[at + entry::kColor] == static_cast<uint8_t>(EntryColor::Red);
    const uint32_t children[] = {getU32(file, at + entry::kLeftSibling), getU32(file, at + entry::kRightSibling)};
    for (const uint32_t child : children)
        if (red && child != kNoStream && file[entryOffset(file, child) + entry::kColor] == file[at + entry::kColor])
            return -1;
    const int left = checkSubtree(file, children[0], low, &name, names);
    const int right = checkSubtree(file, children[1], &name, high, names);
    if (left < 0 || left != right) return -1;
    return left + (red ? 0 : 1);
}

}  // namespace

TEST(CompoundFileRoundTrip, streams_on_both_sides_of_every_size_edge_come_back_byte_for_byte) {
    CompoundFileWriter writer;
    for (std::size_t i = 0; i < kSizes.size(); ++i) writer.addStream(sizeName(kSizes[i]), pattern(kSizes[i], int(i)));
    const std::vector<uint8_t> file = writer.bytes();
    EXPECT_GT(getU32(file, header::kDifatSectorCount), 0u);
    const CompoundFileReader reader(file);
    EXPECT_EQ(reader.streamNames().size(), kSizes.size());
    for (std::size_t i = 0; i < kSizes.size(); ++i)
        EXPECT_TRUE(reader.stream(sizeName(kSizes[i])) == pattern(kSizes[i], int(i))) << sizeName(kSizes[i]);
}

TEST(CompoundFileRoundTrip, the_same_streams_give_the_same_bytes_in_any_order) {
    CompoundFileWriter forward;
    CompoundFileWriter backward;
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        forward.addStream(sizeName(kSizes[i]), pattern(kSizes[i], int(i)));
        const std::size_t j = kSizes.size() - 1 - i;
        backward.addStream(sizeName(kSizes[j]), pattern(kSizes[j], int(j)));
    }
    EXPECT_TRUE(forward.bytes() == backward.bytes());  // EXPECT_EQ would print megabytes on failure
    EXPECT_TRUE(forward.bytes() == forward.bytes());
}

TEST(CompoundFileNames, utf8_names_are_stored_and_found_regardless_of_case) {
    CompoundFileWriter writer;
    writer.addStream("Übersicht €", pattern(10, 1));
    writer.addStream("Workbook", pattern(20, 2));
    writer.addStream(std::string(31, 'n'), pattern(30, 3));
    const CompoundFileReader reader(writer.bytes());
    // Sibling order: shorter names first.
    EXPECT_EQ(reader.streamNames(), (std::vector<std::string>{"Workbook", "Übersicht €", std::string(31, 'n')}));
    EXPECT_EQ(reader.stream("WORKBOOK"), pattern(20, 2));
    EXPECT_EQ(reader.stream("übersicht €"), pattern(10, 1));
    EXPECT_FALSE(reader.contains("Book"));
    EXPECT_THROW(reader.stream("Book"), OleError);
}

TEST(CompoundFileNames, names_the_format_cannot_hold_are_refused) {
    const std::vector<std::string> bad = {"", std::string(32, 'n'), "a/b", "a\\b", "a:b", "a!b", "tab\there",
                                          "\xC3\x28", "workbook"};
    CompoundFileWriter writer;
    writer.addStream("Workbook", {});
    for (const std::string& name : bad) {
        try {
            writer.addStream(name, {});
            ADD_FAILURE() << "accepted " << name;
        } catch (const OleError& e) {
            EXPECT_EQ(e.kind(), OleErrorKind::InvalidName) << name;
        }
    }
}

TEST(CompoundFileDirectory, siblings_form_a_valid_red_black_tree_for_any_count) {
    for (int count = 1; count <= 40; ++count) {
        CompoundFileWriter writer;
        for (int i = 0; i < count; ++i) writer.addStream("s" + std::to_string(i * 7919 % 1000), pattern(i, i));
        const std::vector<uint8_t> file = writer.bytes();
        std::vector<std::u16string> names(count + 1);
        for (int id = 1; id <= count; ++id)
            for (std::size_t k = 0; getU16(file, entryOffset(file, id) + entry::kName + 2 * k) != 0; ++k)
                names[id] += static_cast<char16_t>(getU16(file, entryOffset(file, id) + entry::kName + 2 * k));
        const uint32_t top = getU32(file, entryOffset(file, 0) + entry::kChild);
        ASSERT_EQ(file[entryOffset(file, top) + entry::kColor], static_cast<uint8_t>(EntryColor::Black)) << count;
        EXPECT_GT(checkSubtree(file, top, nullptr, nullptr, names), 0) << count << " streams";
        EXPECT_EQ(CompoundFileReader(file).streamNames().size(), std::size_t(count));
    }
}
