// Property sets: the typed metadata streams of a compound file, such as
// "\005SummaryInformation". A stream holds one section of properties, each a
// numeric id and a typed value; the section's CodePage property (id 1) says
// how its strings are stored, 1252 or 1200 (UTF-16). Facts from the public
// [MS-OLEPS] format document, with the unpadded strings inside vectors that
// Office documents write ([MS-OSHARED]).
//
//   PropertySection summary{kFormatIdSummaryInformation, {
//       {1, int16_t{1252}}, {0x12, std::string("Quorvane")}, {0x0C, FileTime{...}}}};
//   writer.addStream("\005SummaryInformation", propertySetStream(summary));
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace spreadsheet::xls::ole {

// 100-nanosecond ticks since 1 January 1601 UTC, as the format counts time.
struct FileTime {
    uint64_t ticks = 0;
    bool operator==(const FileTime&) const = default;
};

FileTime fileTimeOf(std::chrono::system_clock::time_point time);
// nullopt for a time the clock cannot hold (before 1678 or after 2261).
std::optional<std::chrono::system_clock::time_point> timePointOf(FileTime time);

// The items of a vector of variants as written here: strings and 32-bit numbers.
using VariantItem = std::variant<std::string, int32_t>;

// Strings are UTF-8; the section's code page decides their bytes in the file.
using PropertyValue =
    std::variant<int16_t, int32_t, bool, std::string, FileTime, std::vector<std::string>, std::vector<VariantItem>>;

struct Property {
    uint32_t id;
    PropertyValue value;
    bool operator==(const Property&) const = default;
};

using FormatId = std::array<uint8_t, 16>;  // a GUID as the file stores it

struct PropertySection {
    FormatId formatId{};
    std::vector<Property> properties;  // written in this order; the CodePage property among them
};

inline constexpr uint32_t kPropertyIdCodePage = 1;

// {F29F85E0-4FF9-1068-AB91-08002B27B3D9} and {D5CDD502-2E9C-101B-9397-08002B2CF9AE}.
inline constexpr FormatId kFormatIdSummaryInformation = {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                                         0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};
inline constexpr FormatId kFormatIdDocumentSummaryInformation = {0x02, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10,
                                                                 0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

// The stream of a property set with this one section. Its strings go in the
// code page its CodePage property names (1252 when it has none); a code page
// other than 1252 and 1200, or a string 1252 cannot hold, throws
// std::invalid_argument: the caller picks the code page for its strings.
std::vector<uint8_t> propertySetStream(const PropertySection& section);

// The first section of a property set stream, with the properties of the
// types above; properties of other types are left out. Throws OleError
// (Damaged) for a stream that is not a property set or is cut short.
PropertySection readPropertySet(std::span<const uint8_t> stream);

}  // namespace spreadsheet::xls::ole
