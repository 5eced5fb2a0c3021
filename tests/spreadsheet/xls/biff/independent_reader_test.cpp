// A second opinion on our files: xlrd, an independent reader of the format,
// opens a saved breakeven workbook and must see the values (formulas by their
// cached results), fonts, fills, borders, number formats, widths and heights
// that were saved. Skipped, visibly, where python3 with xlrd is not installed.
#include "biff_test_support.h"
#include "sample_workbooks.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <fstream>
#include <map>

using namespace biff_test;
using ::testing::HasSubstr;

namespace {

// The first interpreter that has xlrd, or "" when none has.
std::string pythonWithXlrd() {
    for (const char* python : {"/usr/bin/python3", "python3"}) {
        const std::string command = std::string(python) + " -c 'import xlrd' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0) return python;
    }
    return "";
}

// xlrd's lines about the file, keyed by their first two words ("cell Figures!A1").
std::map<std::string, std::string> xlrdView(const std::string& python, const std::filesystem::path& file,
                                            const std::filesystem::path& output) {
    const std::string command = python + " " + XLRD_VIEW_SCRIPT + " '" + file.string() + "' > '" + output.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << "xlrd refused the file";
    std::map<std::string, std::string> view;
    std::ifstream in(output);
    for (std::string line; std::getline(in, line);) {
        const std::size_t second = line.find(' ', line.find(' ') + 1);
        view[line.substr(0, second)] = line.substr(second + 1);
    }
    return view;
}

}  // namespace

TEST(IndependentReader, xlrd_sees_what_was_saved) {
    const std::string python = pythonWithXlrd();
    if (python.empty()) GTEST_SKIP() << "python3 with xlrd is not installed: the independent reader check is skipped";
    ScratchFolder folder;
    model::Workbook book;
    buildBreakeven(book);
    formula::Evaluator evaluator(book);
    biff::saveWorkbook(book, evaluator, folder.path() / "breakeven.xls");
    auto view = xlrdView(python, folder.path() / "breakeven.xls", folder.path() / "view.txt");

    // Text, numbers, and formulas by their cached results (text, number, empty text).
    EXPECT_THAT(view["cell Breakeven!B1"], HasSubstr("type=1 value='Breakeven Analysis' font=Arial Black|440|400|0|18 "));
    EXPECT_THAT(view["cell Breakeven!C6"], HasSubstr("type=2 value=25.0 font=Arial|200|400|0|32767 fill=1|26 "));
    EXPECT_THAT(view["cell Breakeven!C8"], HasSubstr("type=2 value=100000.0 font=Arial|200|700|0|32767 "));
    EXPECT_THAT(view["cell Breakeven!C8"], HasSubstr("borders=0|1|0|0|64|64|64|64 format=#,##0.00_);[Red](#,##0.00)"));
    EXPECT_THAT(view["cell Breakeven!E33"], HasSubstr("type=2 value=1333.0 font=Arial|200|700|0|9 fill=1|18 "));
    EXPECT_THAT(view["cell Breakeven!E33"], HasSubstr("format=#"));
    EXPECT_THAT(view["cell Breakeven!D34"], HasSubstr("type=2 value=16675.0 "));
    EXPECT_THAT(view["cell Breakeven!D34"], HasSubstr("fill=1|22 borders=1|0|0|2|64|64|64|20 "));
    EXPECT_THAT(view["cell Breakeven!N39"], HasSubstr("type=1 value='profit' "));
    EXPECT_THAT(view["cell Breakeven!D39"], HasSubstr("type=1 value='loss' "));
    EXPECT_THAT(view["cell Breakeven!B3"], HasSubstr("font=Arial|160|400|1|32767 "));
    // Widths in 1/256 of a digit with the padding, heights in twips.
    EXPECT_EQ(view["width Breakeven"], "col=13 3254");
    EXPECT_EQ(view.count("height Breakeven"), 1u);
    std::ifstream lines(folder.path() / "view.txt");
    std::string all((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
    EXPECT_THAT(all, HasSubstr("width Breakeven col=0 438\n"));
    EXPECT_THAT(all, HasSubstr("width Breakeven col=1 4169\n"));
    EXPECT_THAT(all, HasSubstr("width Breakeven col=3 3254\n"));
    EXPECT_THAT(all, HasSubstr("height Breakeven row=0 1230\n"));
    EXPECT_THAT(all, HasSubstr("height Breakeven row=1 645\n"));
    EXPECT_THAT(all, HasSubstr("merged Breakeven [(31, 32, 3, 8)]"));
}
