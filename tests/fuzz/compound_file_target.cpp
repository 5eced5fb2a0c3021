// Any bytes as a compound file: refused with an OleError, or opened, and then
// every stream it lists is found by its name and read (a broken chain is
// refused too) without reading out of bounds.
#include "fuzz_target.h"

#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/ole_error.h"

#include <string>
#include <vector>

namespace quorvane::fuzz {
namespace {

namespace ole = spreadsheet::xls::ole;

void readEveryStream(const ole::CompoundFileReader& file) {
    for (const std::string& name : file.streamNames()) {
        require(file.contains(name), "a listed stream is not found by its own name");
        try {
            (void)file.stream(name);
        } catch (const ole::OleError& e) {
            require(e.kind() == ole::OleErrorKind::Damaged, "a listed stream failed other than as damaged");
        }
    }
}

void openCompoundFile(std::span<const uint8_t> bytes) {
    try {
        const ole::CompoundFileReader file(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        require(file.majorVersion() == 3 || file.majorVersion() == 4, "an opened file has an unknown version");
        readEveryStream(file);
    } catch (const ole::OleError&) {
    }
}

}  // namespace
}  // namespace quorvane::fuzz

QUORVANE_FUZZ_TARGET(quorvane::fuzz::openCompoundFile)
