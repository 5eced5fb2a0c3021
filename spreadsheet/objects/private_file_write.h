// Writing a file that only its owner may read, without ever writing through a
// link someone planted at the path: the bytes go to a fresh file created
// exclusively beside the target (mode 0600, links not followed), are flushed
// to disk, and only then renamed over the path. A link at the path is thus
// replaced, never followed; a failure leaves any older file as it was and no
// temporary file behind.
//
// (The workbook writer's save keeps the old file's permissions, read through a
// link if one is there; a picture of the user's figures is the owner's alone.)
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>

namespace spreadsheet::objects {

// Thrown with a text that names the path, the step and the system's reason.
class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void replaceFilePrivately(const std::filesystem::path& target, std::span<const uint8_t> bytes);

}  // namespace spreadsheet::objects
