// Reading the first section of a property set stream. Every offset and count
// is checked against the section before it is followed. Strings inside vectors
// may come padded to four bytes, as the format document has them, or
// unpadded, as Office documents have them: zero bytes up to the next multiple
// of four are taken as padding.
#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/ole/code_page_text.h"
#include "spreadsheet/xls/ole/ole_error.h"
#include "spreadsheet/xls/ole/property_set.h"
#include "spreadsheet/xls/ole/property_set_format.h"

#include "spreadsheet/unicode/utf16.h"

#include <algorithm>

namespace spreadsheet::xls::ole {
namespace {

using namespace propset;

[[noreturn]] void damaged(const std::string& why) { throw OleError(OleErrorKind::Damaged, "a property set " + why); }

// A text up to its first terminating zero.
std::string untilZero(std::string text) {
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

// Reads values from one section; positions count from the section's start.
class SectionCursor {
public:
    SectionCursor(std::span<const uint8_t> section, std::size_t at, bool unicode)
        : m_section(section), m_at(at), m_unicode(unicode) {}

    uint16_t u16() { return getU16(take(2), 0); }
    uint32_t u32() { return getU32(take(4), 0); }
    uint64_t u64() { return getU64(take(8), 0); }
    void skip(std::size_t count) { take(count); }

    // Skips zero bytes up to the next multiple of four.
    void skipPadding() {
        while (m_at % kAlignment != 0 && m_at < m_section.size() && m_section[m_at] == 0) ++m_at;
    }

    // A string of the section's code page (kTypeString) or UTF-16 (kTypeWideString).
    std::string text(uint16_t type) {
        const uint32_t count = u32();
        if (type == kTypeWideString || m_unicode) {
            const std::size_t units = type == kTypeWideString ? count : count / 2;
            std::u16string text;
            for (std::size_t i = 0; i < units; ++i) text += static_cast<char16_t>(u16());
            return untilZero(unicode::utf8FromUtf16(text));
        }
        const std::span<const uint8_t> bytes = take(count);
        return untilZero(utf8FromWindows1252(std::string(bytes.begin(), bytes.end())));
    }

private:
    std::span<const uint8_t> take(std::size_t count) {
        if (count > m_section.size() - std::min(m_at, m_section.size())) damaged("value runs past its section");
        const std::span<const uint8_t> bytes = m_section.subspan(m_at, count);
        m_at += count;
        return bytes;
    }

    std::span<const uint8_t> m_section;
    std::size_t m_at;
    bool m_unicode;
};

bool isText(uint16_t type) { return type == kTypeString || type == kTypeWideString; }

// The vector's element count, no more than the section could hold.
uint32_t elementCount(SectionCursor& in, std::size_t sectionSize) {
    const uint32_t count = in.u32();
    if (count > sectionSize / kAlignment) damaged("vector counts more elements than its section holds");
    return count;
}

std::optional<PropertyValue> variantItems(SectionCursor& in, std::size_t sectionSize) {
    std::vector<VariantItem> items;
    for (uint32_t i = elementCount(in, sectionSize); i > 0; --i) {
        const uint16_t type = in.u16();
        in.skip(2);
        if (type == kTypeI4) {
            items.emplace_back(static_cast<int32_t>(in.u32()));
        } else if (isText(type)) {
            items.emplace_back(in.text(type));
            in.skipPadding();
        } else {
            return std::nullopt;  // an item of another type: its size is unknown here
        }
    }
    return items;
}

// The value at a property's offset; nullopt for a type this reader leaves out.
std::optional<PropertyValue> readValue(SectionCursor& in, std::size_t sectionSize) {
    const uint16_t type = in.u16();
    in.skip(2);
    switch (type) {
    case kTypeI2: return static_cast<int16_t>(in.u16());
    case kTypeI4: return static_cast<int32_t>(in.u32());
    case kTypeBool: return in.u16() != 0;
    case kTypeFileTime: return FileTime{in.u64()};
    case kTypeString:
    case kTypeWideString: return in.text(type);
    case kTypeVector | kTypeVariant: return variantItems(in, sectionSize);
    case kTypeVector | kTypeString:
    case kTypeVector | kTypeWideString: {
        std::vector<std::string> texts;
        for (uint32_t i = elementCount(in, sectionSize); i > 0; --i) {
            texts.push_back(in.text(type & ~kTypeVector));
            in.skipPadding();
        }
        return texts;
    }
    default: return std::nullopt;
    }
}

// The section's code page, read before its strings: UTF-16 when it is 1200.
bool isUnicodeSection(std::span<const uint8_t> section, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = kSectionHeaderSize + i * kPropertyEntrySize;
        if (getU32(section, entry) != kPropertyIdCodePage) continue;
        const uint32_t offset = getU32(section, entry + 4);
        if (offset > section.size() || section.size() - offset < 6 || getU16(section, offset) != kTypeI2) return false;
        return getU16(section, offset + 4) == kCodePageUnicode;
    }
    return false;
}

std::span<const uint8_t> firstSection(std::span<const uint8_t> stream) {
    if (stream.size() < kFirstSectionAt || getU16(stream, 0) != kByteOrder) damaged("stream has no property set header");
    if (getU32(stream, kSectionCountAt) == 0) damaged("stream has no section");
    const uint32_t at = getU32(stream, kFirstSectionOffsetAt);
    if (at > stream.size() || stream.size() - at < kSectionHeaderSize) damaged("section lies past the stream's end");
    const uint32_t size = getU32(stream, at);
    if (size < kSectionHeaderSize || size > stream.size() - at) damaged("section is larger than its stream");
    return stream.subspan(at, size);
}

}  // namespace

PropertySection readPropertySet(std::span<const uint8_t> stream) {
    const std::span<const uint8_t> section = firstSection(stream);
    PropertySection result;
    std::copy_n(stream.begin() + kFirstFormatIdAt, result.formatId.size(), result.formatId.begin());
    const uint32_t count = getU32(section, 4);
    if (count > (section.size() - kSectionHeaderSize) / kPropertyEntrySize) damaged("section lists more properties than it holds");
    const bool unicode = isUnicodeSection(section, count);
    for (uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = kSectionHeaderSize + i * kPropertyEntrySize;
        const uint32_t id = getU32(section, entry);
        SectionCursor in(section, getU32(section, entry + 4), unicode);
        if (std::optional<PropertyValue> value = readValue(in, section.size())) result.properties.push_back({id, *value});
    }
    return result;
}

}  // namespace spreadsheet::xls::ole
