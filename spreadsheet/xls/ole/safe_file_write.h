// Saving without risk to the previous file: the bytes go to a temporary file
// beside the target, are flushed to disk, and only then renamed over it. A
// failed save leaves the old file as it was and no temporary file behind.
#pragma once

#include "files/file_replace.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace spreadsheet::xls::ole {

// Writes `bytes` to `target`, replacing it in one step. An existing target
// keeps its permissions. Throws OleError (SaveFailed) naming the path and the reason.
void writeFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                         files::Durability durability = files::Durability::Flushed);

}  // namespace spreadsheet::xls::ole
