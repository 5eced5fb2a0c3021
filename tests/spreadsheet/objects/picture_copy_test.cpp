// Range.CopyPicture and Application.CopiedPicture: which looks are made and
// which refused, that the picture is the renderer's picture of the range
// itself, and that SaveAsBitmap writes a 24-bit bottom-up BMP safely (a fresh
// private file renamed into place: a planted link is replaced, not followed;
// a failure names the path and leaves nothing behind).
#include "object_test_support.h"
#include "spreadsheet/objects/application.h"
#include "spreadsheet/render/sheet_renderer.h"

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace object_tests;
namespace fs = std::filesystem;

namespace {

// A small sheet with text, a number and a fill, so the picture is not blank.
struct PictureSheet : Instance {
    PictureSheet() {
        write("B2", "Name");
        write("C3", 1234.5);
        range("D4")->get("Interior").toObject()->put("ColorIndex", int16_t{6});
    }
    spreadsheet::objects::Document& document() {
        return *dynamic_cast<spreadsheet::objects::Application&>(*app).state()->activeWorkbook;
    }
    QImage rendered(const spreadsheet::model::CellRange& range) {
        return spreadsheet::render::renderRange(document().workbook, document().evaluator, 0, range);
    }
    ObjectRef picture() { return app->get("CopiedPicture").toObject(); }
};

std::vector<uint8_t> fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
uint16_t le16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | (b[at + 1] << 8)); }

// Names in the folder other than the ones expected: temporaries left behind.
std::vector<std::string> folderNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(CopyPicture, the_range_itself_is_pictured_and_held_by_the_application_not_before) {
    PictureSheet xl;
    EXPECT_FALSE(xl.app->get("CopiedPicture").toObject());  // Nothing before any copy
    // B2:E6 reaches past the used range B2:D4 on both sides: the range is pictured, not the used range.
    EXPECT_TRUE(xl.range("B2:E6")->call("CopyPicture", {int16_t{1}, int16_t{2}}).toBool());
    const QImage expected = xl.rendered(spreadsheet::model::CellRange({2, 2}, {6, 5}));
    EXPECT_EQ(xl.picture()->get("Width").toI4(), expected.width());
    EXPECT_EQ(xl.picture()->get("Height").toI4(), expected.height());
    EXPECT_EQ(xl.picture()->get("Width").type(), automation::VarType::I4);
    EXPECT_EQ(4 * 64 + 1, expected.width());  // four default columns of 64 pixels and the closing line

    xl.range("C3:C3")->call("CopyPicture", {}, {{"Format", int16_t{2}}, {"Appearance", int16_t{1}}});  // by name
    EXPECT_EQ(xl.picture()->get("Width").toI4(), 64 + 1);
    EXPECT_EQ(xl.picture()->get("Height").toI4(), 17 + 1);  // 12.75 points
}

TEST(CopyPicture, other_looks_multiple_areas_and_too_large_ranges_are_refused_and_leave_no_picture) {
    PictureSheet xl;
    const auto copy = [&](const char* address, Args args, automation::NamedArgs named = {}) {
        return failureOf([&] { xl.range(address)->call("CopyPicture", args, named); });
    };
    EXPECT_EQ(copy("B2:C3", {int16_t{2}, int16_t{2}}),
              "CopyPicture method of Range class failed: only the on-screen appearance (xlScreen, 1) can be "
              "pictured, not the printed one (2)");
    EXPECT_EQ(copy("B2:C3", {int16_t{1}, int16_t{-4147}}),
              "CopyPicture method of Range class failed: only a bitmap (xlBitmap, 2) can be made, not a metafile "
              "(xlPicture, -4147)");
    EXPECT_EQ(copy("B2:C3", {}, {{"Appearance", int16_t{1}}}), copy("B2:C3", {int16_t{1}, int16_t{-4147}}));
    EXPECT_EQ(copy("B2:C3", {int16_t{7}, int16_t{2}}),
              "CopyPicture method of Range class failed: Appearance 7 is not one of its values");
    EXPECT_EQ(copy("B2:C3", {int16_t{1}, int16_t{9}}),
              "CopyPicture method of Range class failed: Format 9 is not one of its values");
    EXPECT_EQ(copy("B2:B3,D4", {int16_t{1}, int16_t{2}}),
              "CopyPicture method of Range class failed: that command cannot be used on multiple selections");
    EXPECT_EQ(copy("B2:C3", {}, {{"Look", int16_t{1}}}), "Named argument not found (Range.CopyPicture: Look)");

    // A failed copy drops the picture held before, so no client takes it for this range's.
    xl.range("B2:C3")->call("CopyPicture", {int16_t{1}, int16_t{2}});
    ASSERT_TRUE(xl.picture());
    EXPECT_EQ(copy("A:A", {int16_t{1}, int16_t{2}}),
              "CopyPicture method of Range class failed: the range A:A of \"Sheet1\" is too large for one picture");
    EXPECT_FALSE(xl.picture());
}

TEST(SaveAsBitmap, writes_a_24_bit_bottom_up_bmp_with_padded_rows_and_the_pictures_pixels) {
    PictureSheet xl;
    QTemporaryDir folder;
    xl.range("B2:D4")->call("CopyPicture", {int16_t{1}, int16_t{2}});
    const fs::path path = fs::path(folder.path().toStdString()) / "sheet.bmp";
    xl.picture()->call("SaveAsBitmap", {path.string()});

    const QImage expected = xl.rendered(spreadsheet::model::CellRange({2, 2}, {4, 4}));
    const int width = expected.width(), height = expected.height();  // 193 × 61: rows need one padding byte
    const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
    ASSERT_NE(size_t(width) * 3, stride);
    const std::vector<uint8_t> b = fileBytes(path);
    ASSERT_EQ(b.size(), 54 + stride * size_t(height));
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le32(b, 14), 40u);
    EXPECT_EQ(int32_t(le32(b, 18)), width);
    EXPECT_EQ(int32_t(le32(b, 22)), height);  // positive: bottom-up
    EXPECT_EQ(le16(b, 28), 24);
    EXPECT_EQ(le32(b, 30), 0u);  // uncompressed
    int mismatches = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t at = 54 + size_t(height - 1 - y) * stride + size_t(x) * 3;
            const QRgb p = expected.pixel(x, y);
            mismatches += b[at] != qBlue(p) || b[at + 1] != qGreen(p) || b[at + 2] != qRed(p);
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));  // an independent reader agrees
}

TEST(SaveAsBitmap, a_link_planted_at_the_path_is_replaced_and_its_target_left_alone) {
    PictureSheet xl;
    QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    const fs::path victim = dir / "victim.txt";
    std::ofstream(victim) << "keep me";
    fs::create_symlink(victim, dir / "sheet.bmp");
    xl.range("B2:C3")->call("CopyPicture", {int16_t{1}, int16_t{2}});
    xl.picture()->call("SaveAsBitmap", {}, {{"Filename", (dir / "sheet.bmp").string()}});
    EXPECT_FALSE(fs::is_symlink(dir / "sheet.bmp"));
    EXPECT_EQ(fileBytes(dir / "sheet.bmp")[0], 'B');
    const std::vector<uint8_t> kept = fileBytes(victim);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "keep me");
    EXPECT_EQ(folderNames(dir), (std::vector<std::string>{"sheet.bmp", "victim.txt"}));
}

TEST(SaveAsBitmap, a_failure_names_the_path_and_reason_and_leaves_what_was_there_and_no_temporary) {
    PictureSheet xl;
    QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    xl.range("B2:C3")->call("CopyPicture", {int16_t{1}, int16_t{2}});
    const ObjectRef picture = xl.picture();

    const std::string missing = (dir / "no such folder" / "sheet.bmp").string();
    EXPECT_EQ(failureOf([&] { picture->call("SaveAsBitmap", {missing}); }),
              "SaveAsBitmap method of Picture class failed: \"" + missing +
                  "\": cannot create a temporary file: No such file or directory");

    // A folder in the way: the temporary file is written, the rename fails, and it is removed again.
    fs::create_directory(dir / "taken.bmp");
    std::ofstream(dir / "taken.bmp" / "inside.txt") << "older";
    const std::string taken = (dir / "taken.bmp").string();
    EXPECT_EQ(failureOf([&] { picture->call("SaveAsBitmap", {taken}); }),
              "SaveAsBitmap method of Picture class failed: \"" + taken +
                  "\": cannot replace the file: Is a directory");
    EXPECT_EQ(folderNames(dir), std::vector<std::string>{"taken.bmp"});
    EXPECT_EQ(folderNames(dir / "taken.bmp"), std::vector<std::string>{"inside.txt"});

    EXPECT_EQ(failureOf([&] { picture->call("SaveAsBitmap"); }),
              "SaveAsBitmap method of Picture class failed: the file name is missing");
}
