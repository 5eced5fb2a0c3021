// Every number of a property set stream in one place: the stream header, the
// section header and the property types. Internal to the compound-file library.
#pragma once

#include <cstddef>
#include <cstdint>

namespace spreadsheet::xls::ole::propset {

inline constexpr uint16_t kByteOrder = 0xFFFE;
inline constexpr uint16_t kVersion = 0;
// High word 2: a 32-bit Windows system, the kind readers expect; no version of it.
inline constexpr uint32_t kSystemIdentifier = 0x00020000;

// The stream header: byte order, version, system, class id, section count,
// then one format id and offset per section.
inline constexpr std::size_t kSectionCountAt = 24;
inline constexpr std::size_t kFirstFormatIdAt = 28;
inline constexpr std::size_t kFirstSectionOffsetAt = 44;
inline constexpr std::size_t kFirstSectionAt = 48;
inline constexpr std::size_t kClassIdSize = 16;

// A section: its size, its property count, an id and offset per property,
// then the values, each starting on a multiple of four bytes.
inline constexpr std::size_t kSectionHeaderSize = 8;
inline constexpr std::size_t kPropertyEntrySize = 8;
inline constexpr std::size_t kAlignment = 4;

// Property types (the low word of a value's type tag; the high word pads).
inline constexpr uint16_t kTypeI2 = 0x0002;
inline constexpr uint16_t kTypeI4 = 0x0003;
inline constexpr uint16_t kTypeBool = 0x000B;
inline constexpr uint16_t kTypeVariant = 0x000C;
inline constexpr uint16_t kTypeString = 0x001E;      // in the section's code page
inline constexpr uint16_t kTypeWideString = 0x001F;  // UTF-16
inline constexpr uint16_t kTypeFileTime = 0x0040;
inline constexpr uint16_t kTypeVector = 0x1000;      // or-ed with the element type

inline constexpr int16_t kTrue = -1;
// 1 January 1970 in ticks since 1601.
inline constexpr uint64_t kUnixEpochTicks = 116444736000000000ULL;
inline constexpr int64_t kNanosecondsPerTick = 100;

}  // namespace spreadsheet::xls::ole::propset
