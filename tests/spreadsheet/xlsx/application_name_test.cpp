// The package names the program that wrote it: only the extended properties'
// Application changes, and every other part is the library's, byte for byte.
#include "scratch_folder.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/xlsx/application_name.h"
#include "spreadsheet/xlsx/workbook_file.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <minizip/unzip.h>

namespace fs = std::filesystem;
namespace model = spreadsheet::model;
namespace xlsx = spreadsheet::xlsx;

namespace {

// Every part of a package by name, uncompressed.
std::map<std::string, std::string> partsOf(const fs::path& package) {
    std::map<std::string, std::string> parts;
    unzFile in = unzOpen64(package.c_str());
    EXPECT_NE(in, nullptr);
    if (!in) return parts;
    for (int at = unzGoToFirstFile(in); at == UNZ_OK; at = unzGoToNextFile(in)) {
        char name[512];
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(in, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        std::string text(info.uncompressed_size, '\0');
        unzOpenCurrentFile(in);
        EXPECT_EQ(unzReadCurrentFile(in, text.data(), unsigned(text.size())), int(text.size())) << name;
        EXPECT_EQ(unzCloseCurrentFile(in), UNZ_OK) << name << ": the checksum holds";
        parts[name] = text;
    }
    unzClose(in);
    return parts;
}

}  // namespace

TEST(ApplicationName, replaces_the_elements_content_escaped_and_leaves_other_text_alone) {
    EXPECT_EQ(xlsx::withApplicationName("<P><Application>Some Writer</Application><X/></P>", "Quorvane & <Co>"),
              "<P><Application>Quorvane &amp; &lt;Co&gt;</Application><X/></P>");
    EXPECT_EQ(xlsx::withApplicationName("<P><Company>x</Company></P>", "Quorvane"), "<P><Company>x</Company></P>");
    EXPECT_EQ(xlsx::withApplicationName("<Application>unclosed", "Quorvane"), "<Application>unclosed");
}

TEST(ApplicationName, a_saved_package_names_the_program_and_keeps_every_other_part) {
    testing_support::ScratchFolder folder;
    model::Workbook book;
    model::Sheet& sheet = book.addSheet("Data", model::SheetKind::Worksheet, 0);
    sheet.setFormula({1, 1}, spreadsheet::formula::Formula::parseA1("=1+2", {1, 1}));
    spreadsheet::formula::Evaluator evaluator(book);
    xlsx::DocumentProperties properties;
    properties.title = "Book";
    properties.created = 1700000000;
    xlsx::saveWorkbook(book, evaluator, folder.path() / "plain.xlsx", properties);
    properties.application = "Quorvane";
    xlsx::saveWorkbook(book, evaluator, folder.path() / "named.xlsx", properties);

    std::map<std::string, std::string> plain = partsOf(folder.path() / "plain.xlsx");
    std::map<std::string, std::string> named = partsOf(folder.path() / "named.xlsx");
    ASSERT_TRUE(named.count("docProps/app.xml"));
    EXPECT_NE(named["docProps/app.xml"].find("<Application>Quorvane</Application>"), std::string::npos);
    EXPECT_EQ(named["docProps/app.xml"], xlsx::withApplicationName(plain["docProps/app.xml"], "Quorvane"));
    plain.erase("docProps/app.xml");
    named.erase("docProps/app.xml");
    EXPECT_EQ(named, plain);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2) << "no copy left";
}

TEST(ApplicationName, a_file_that_is_no_package_is_refused_and_left_as_it_was) {
    testing_support::ScratchFolder folder;
    const fs::path path = folder.path() / "not.xlsx";
    { std::ofstream(path) << "plain text"; }
    try {
        xlsx::nameApplication(path, "Quorvane");
        FAIL() << "accepted";
    } catch (const xlsx::XlsxError& error) {
        EXPECT_NE(std::string(error.what()).find("cannot be opened as a package"), std::string::npos) << error.what();
    }
    EXPECT_EQ(fs::file_size(path), 10u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}
