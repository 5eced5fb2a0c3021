// Helpers shared by the compound file tests: patterned stream bytes, a scratch
// folder per test, and peeks into the fields of a written file.
#pragma once

#include "scratch_folder.h"
#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/ole/layout.h"
#include "spreadsheet/xls/ole/ole_error.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace ole_test {

using namespace spreadsheet::xls;
using namespace spreadsheet::xls::ole;

// Bytes that differ from stream to stream and repeat only after 64 KB; the same
// formula as data/make_foreign_files.py.
inline std::vector<uint8_t> pattern(std::size_t size, int seed) {
    std::vector<uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 31 + seed * 7 + (i >> 8));
    return bytes;
}

inline std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

// The OleError an action throws; a test failure when it throws none.
inline OleError errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const OleError& e) {
        return e;
    }
    ADD_FAILURE() << "no OleError was thrown";
    return OleError(OleErrorKind::Damaged, "none");
}

using ScratchFolder = testing_support::ScratchFolder;

// Fields of a file as the writer lays it out (one run of directory sectors).
inline std::size_t sectorOffset(uint32_t sector) { return (std::size_t{sector} + 1) * kSectorSize; }

inline std::size_t entryOffset(const std::vector<uint8_t>& file, uint32_t id) {
    return sectorOffset(getU32(file, header::kFirstDirectorySector)) + id * kDirectoryEntrySize;
}

// Where the FAT entry of `sector` lies, for the 128 sectors the first FAT sector covers.
inline std::size_t fatEntryOffset(const std::vector<uint8_t>& file, uint32_t sector) {
    return sectorOffset(getU32(file, header::kDifat)) + sector * kSectorIdSize;
}

}  // namespace ole_test
