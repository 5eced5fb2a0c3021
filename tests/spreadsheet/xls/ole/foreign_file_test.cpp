// Other programs' files and other programs' readers. We read what libgsf wrote
// (512- and 4096-byte sectors, with a nested storage); olefile reads what we
// write, where python3 has it, and the test says so plainly when it does not.
#include "ole_test_support.h"

#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/compound_file_writer.h"

#include <algorithm>
#include <map>

using namespace ole_test;

namespace {

const std::filesystem::path kDataDir = OLE_TEST_DATA_DIR;

std::string pythonWithOlefile() {
    for (const std::string python : {"python3", "/usr/bin/python3"})
        if (std::system((python + " -c 'import olefile' >/dev/null 2>&1").c_str()) == 0) return python;
    return {};
}

}  // namespace

TEST(ForeignCompoundFile, files_written_by_libgsf_in_both_versions_are_read) {
    for (const auto& [name, version] : {std::pair{"libgsf_512.cfb", 3}, std::pair{"libgsf_4096.cfb", 4}}) {
        const CompoundFileReader reader = CompoundFileReader::fromFile(kDataDir / name);
        EXPECT_EQ(reader.majorVersion(), version);
        EXPECT_EQ(reader.streamNames(), (std::vector<std::string>{"Large", "Small", "Folder/Tiny", "Folder/Inner"}))
            << name;
        EXPECT_EQ(reader.stream("Small"), pattern(100, 1)) << name;
        EXPECT_EQ(reader.stream("Large"), pattern(10000, 2)) << name;
        EXPECT_EQ(reader.stream("folder/INNER"), pattern(5000, 3)) << name;
        EXPECT_EQ(reader.stream("Folder/Tiny"), pattern(10, 4)) << name;
    }
}

TEST(ForeignCompoundFile, olefile_reads_every_stream_we_write_including_an_8_mb_one) {
    const std::string python = pythonWithOlefile();
    if (python.empty()) GTEST_SKIP() << "SKIPPED: python3 with olefile is missing (Debian package python3-olefile)";
    const std::map<std::string, std::vector<uint8_t>> streams = {
        {"Workbook", pattern(8 * 1024 * 1024, 1)},  {"\005SummaryInformation", pattern(4095, 2)},
        {"\005DocumentSummaryInformation", pattern(4096, 3)}, {"Empty", {}}, {"One", pattern(1, 5)},
        {"Übersicht", pattern(64, 6)}};
    CompoundFileWriter writer;
    for (const auto& [name, data] : streams) writer.addStream(name, data);
    ScratchFolder scratch;
    writeBytes(scratch.path() / "book.xls", writer.bytes());
    const std::string command = python + " " + (kDataDir / "olefile_dump.py").string() + " " +
                                (scratch.path() / "book.xls").string() + " " + scratch.path().string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream names(scratch.path() / "names.txt");
    std::size_t count = 0;
    for (std::string name; std::getline(names, name); ++count) {
        ASSERT_TRUE(streams.count(name)) << name;
        EXPECT_TRUE(fileBytes(scratch.path() / (std::to_string(count) + ".bin")) == streams.at(name)) << name;
    }
    EXPECT_EQ(count, streams.size());
}
