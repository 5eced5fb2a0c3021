// Every number of the compound file container in one place: header field
// offsets, special sector and entry ids, directory entry fields and sizes.
// Facts from the public [MS-CFB] format document; we write version 3
// (512-byte sectors) and read versions 3 and 4.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace spreadsheet::xls::ole {

// ---------------------------------------------------------------- sizes

inline constexpr std::size_t kHeaderSize = 512;      // the header's own bytes; a v4 header sector is padded to 4096
inline constexpr uint16_t kSectorShiftV3 = 9;        // 512-byte sectors
inline constexpr uint16_t kSectorShiftV4 = 12;       // 4096-byte sectors
inline constexpr std::size_t kSectorSize = std::size_t{1} << kSectorShiftV3;  // what the writer uses
inline constexpr uint16_t kMiniSectorShift = 6;
inline constexpr std::size_t kMiniSectorSize = std::size_t{1} << kMiniSectorShift;
inline constexpr uint32_t kMiniStreamCutoff = 4096;  // streams shorter than this live in the mini stream
inline constexpr std::size_t kSectorIdSize = 4;      // one entry of the FAT, mini FAT or DIFAT
inline constexpr std::size_t kDirectoryEntrySize = 128;
inline constexpr std::size_t kHeaderDifatCount = 109;  // FAT sector ids the header itself holds
inline constexpr std::size_t kMaxNameLength = 31;      // UTF-16 code units, not counting the terminator
inline constexpr uint64_t kMaxFileSizeV3 = uint64_t{1} << 31;  // 512-byte sector files stay under 2 GB

// ---------------------------------------------------------------- header values

inline constexpr std::array<uint8_t, 8> kSignature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
inline constexpr uint16_t kMinorVersion = 0x003E;
inline constexpr uint16_t kMajorVersion3 = 3;
inline constexpr uint16_t kMajorVersion4 = 4;
inline constexpr uint16_t kByteOrderMark = 0xFFFE;  // little-endian

// Header field offsets.
namespace header {
inline constexpr std::size_t kSignature = 0x00;
inline constexpr std::size_t kClsid = 0x08;  // 16 bytes, zero
inline constexpr std::size_t kMinorVersion = 0x18;
inline constexpr std::size_t kMajorVersion = 0x1A;
inline constexpr std::size_t kByteOrder = 0x1C;
inline constexpr std::size_t kSectorShift = 0x1E;
inline constexpr std::size_t kMiniSectorShift = 0x20;
inline constexpr std::size_t kDirectorySectorCount = 0x28;  // zero in version 3
inline constexpr std::size_t kFatSectorCount = 0x2C;
inline constexpr std::size_t kFirstDirectorySector = 0x30;
inline constexpr std::size_t kTransactionSignature = 0x34;
inline constexpr std::size_t kMiniStreamCutoff = 0x38;
inline constexpr std::size_t kFirstMiniFatSector = 0x3C;
inline constexpr std::size_t kMiniFatSectorCount = 0x40;
inline constexpr std::size_t kFirstDifatSector = 0x44;
inline constexpr std::size_t kDifatSectorCount = 0x48;
inline constexpr std::size_t kDifat = 0x4C;  // kHeaderDifatCount sector ids up to the end of the header
}  // namespace header

// ---------------------------------------------------------------- sector ids

inline constexpr uint32_t kMaxRegularSector = 0xFFFFFFFA;  // ids above this are markers
inline constexpr uint32_t kDifatSectorMark = 0xFFFFFFFC;   // FAT entry of a DIFAT sector
inline constexpr uint32_t kFatSectorMark = 0xFFFFFFFD;     // FAT entry of a FAT sector
inline constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr uint32_t kFreeSector = 0xFFFFFFFF;

// ---------------------------------------------------------------- directory entries

inline constexpr uint32_t kNoStream = 0xFFFFFFFF;  // empty sibling or child link
inline constexpr uint32_t kMaxRegularStreamId = 0xFFFFFFFA;

enum class EntryType : uint8_t { Empty = 0, Storage = 1, Stream = 2, Root = 5 };
enum class EntryColor : uint8_t { Red = 0, Black = 1 };

inline constexpr char16_t kRootEntryName[] = u"Root Entry";

// Directory entry field offsets.
namespace entry {
inline constexpr std::size_t kName = 0x00;        // UTF-16LE, null-terminated, 64 bytes
inline constexpr std::size_t kNameBytes = 64;
inline constexpr std::size_t kNameLength = 0x40;  // in bytes, the terminator included
inline constexpr std::size_t kType = 0x42;
inline constexpr std::size_t kColor = 0x43;
inline constexpr std::size_t kLeftSibling = 0x44;
inline constexpr std::size_t kRightSibling = 0x48;
inline constexpr std::size_t kChild = 0x4C;
inline constexpr std::size_t kClsid = 0x50;          // 16 bytes
inline constexpr std::size_t kStateBits = 0x60;
inline constexpr std::size_t kCreationTime = 0x64;   // 8 bytes
inline constexpr std::size_t kModifiedTime = 0x6C;   // 8 bytes
inline constexpr std::size_t kStartSector = 0x74;
inline constexpr std::size_t kStreamSize = 0x78;     // 8 bytes; version 3 readers use the low 4 only
}  // namespace entry

// Characters a name may not contain.
inline constexpr std::array<char16_t, 4> kForbiddenNameCharacters = {u'/', u'\\', u':', u'!'};

}  // namespace spreadsheet::xls::ole
