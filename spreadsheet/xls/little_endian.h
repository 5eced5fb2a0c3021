// Little-endian fields, the one byte order of the 97-2003 file: the compound
// file, the records of the workbook stream and the formula tokens all pack
// and unpack their integers and doubles here. Callers check bounds; these
// functions only move bytes.
//
//   putU16(header, 28, 0xFFFE);      // FE FF at offset 28
//   getU32(sector, 4);               // the four bytes at offset 4
//   littleEndianBytes(uint16_t{10})  // {0x0A, 0x00}
#pragma once

#include <array>
#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace spreadsheet::xls {

template <std::unsigned_integral T>
constexpr std::array<uint8_t, sizeof(T)> littleEndianBytes(T value) {
    std::array<uint8_t, sizeof(T)> bytes{};
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

template <std::unsigned_integral T>
constexpr T fromLittleEndian(std::span<const uint8_t, sizeof(T)> bytes) {
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value = static_cast<T>(value | (T{bytes[i]} << (8 * i)));
    return value;
}

template <std::unsigned_integral T>
constexpr void putLittleEndian(std::span<uint8_t> bytes, std::size_t offset, T value) {
    const auto packed = littleEndianBytes(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes[offset + i] = packed[i];
}

template <std::unsigned_integral T>
constexpr T getLittleEndian(std::span<const uint8_t> bytes, std::size_t offset) {
    return fromLittleEndian<T>(bytes.subspan(offset).template first<sizeof(T)>());
}

// Appends the value's bytes to a growing buffer (a record, a formula's tokens).
template <std::unsigned_integral T>
void appendLittleEndian(std::vector<uint8_t>& out, T value) {
    const auto packed = littleEndianBytes(value);
    out.insert(out.end(), packed.begin(), packed.end());
}
// An IEEE 754 double, least significant byte first.
inline void appendF64(std::vector<uint8_t>& out, double value) { appendLittleEndian(out, std::bit_cast<uint64_t>(value)); }

inline void putU16(std::span<uint8_t> bytes, std::size_t offset, uint16_t value) { putLittleEndian(bytes, offset, value); }
inline void putU32(std::span<uint8_t> bytes, std::size_t offset, uint32_t value) { putLittleEndian(bytes, offset, value); }
inline void putU64(std::span<uint8_t> bytes, std::size_t offset, uint64_t value) { putLittleEndian(bytes, offset, value); }
// An IEEE 754 double, least significant byte first.
inline void putF64(std::span<uint8_t> bytes, std::size_t offset, double value) {
    putLittleEndian(bytes, offset, std::bit_cast<uint64_t>(value));
}

inline uint16_t getU16(std::span<const uint8_t> bytes, std::size_t offset) { return getLittleEndian<uint16_t>(bytes, offset); }
inline uint32_t getU32(std::span<const uint8_t> bytes, std::size_t offset) { return getLittleEndian<uint32_t>(bytes, offset); }
inline uint64_t getU64(std::span<const uint8_t> bytes, std::size_t offset) { return getLittleEndian<uint64_t>(bytes, offset); }
inline double getF64(std::span<const uint8_t> bytes, std::size_t offset) {
    return std::bit_cast<double>(getLittleEndian<uint64_t>(bytes, offset));
}

}  // namespace spreadsheet::xls
