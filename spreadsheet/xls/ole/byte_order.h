// Little-endian integers in byte buffers, the only byte order the container
// uses. Callers check bounds; these only pack and unpack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace spreadsheet::xls::ole {

inline void putU16(std::span<uint8_t> bytes, std::size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

inline void putU32(std::span<uint8_t> bytes, std::size_t offset, uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline void putU64(std::span<uint8_t> bytes, std::size_t offset, uint64_t value) {
    for (std::size_t i = 0; i < 8; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint16_t getU16(std::span<const uint8_t> bytes, std::size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline uint32_t getU32(std::span<const uint8_t> bytes, std::size_t offset) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= uint32_t{bytes[offset + i]} << (8 * i);
    return value;
}

inline uint64_t getU64(std::span<const uint8_t> bytes, std::size_t offset) {
    return uint64_t{getU32(bytes, offset)} | (uint64_t{getU32(bytes, offset + 4)} << 32);
}

}  // namespace spreadsheet::xls::ole
