// Writing a property set stream: the header and one section, its values laid
// out after the table of their offsets. A string stands alone padded to four
// bytes; inside a vector, strings in the code page follow each other unpadded,
// as Office documents have them, and UTF-16 strings keep their padding.
#include "spreadsheet/xls/ole/code_page_text.h"
#include "spreadsheet/xls/ole/property_set.h"
#include "spreadsheet/xls/ole/property_set_format.h"

#include "spreadsheet/unicode/utf16.h"

#include <stdexcept>

namespace spreadsheet::xls::ole {
namespace {

using namespace propset;

class ByteWriter {
public:
    void u8(uint8_t value) { m_bytes.push_back(value); }
    void u16(uint16_t value) {
        for (int i = 0; i < 2; ++i) u8(static_cast<uint8_t>(value >> (8 * i)));
    }
    void u32(uint32_t value) {
        for (int i = 0; i < 4; ++i) u8(static_cast<uint8_t>(value >> (8 * i)));
    }
    void u64(uint64_t value) {
        for (int i = 0; i < 8; ++i) u8(static_cast<uint8_t>(value >> (8 * i)));
    }
    void append(std::span<const uint8_t> bytes) { m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end()); }
    void padToAlignment() {
        while (m_bytes.size() % kAlignment != 0) u8(0);
    }
    std::size_t size() const { return m_bytes.size(); }
    std::vector<uint8_t> take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};

// How the section's strings are stored.
struct StringForm {
    bool unicode = false;

    uint16_t type() const { return unicode ? kTypeWideString : kTypeString; }

    // A count, the characters with a terminating zero, and (when asked, and
    // always for UTF-16) zeros up to a multiple of four bytes.
    void write(ByteWriter& out, const std::string& text, bool padded) const {
        if (unicode) {
            const std::u16string units = unicode::utf16FromUtf8Replacing(text);
            out.u32(static_cast<uint32_t>(units.size() + 1));  // characters
            for (const char16_t unit : units) out.u16(unit);
            out.u16(0);
            out.padToAlignment();
            return;
        }
        const std::optional<std::string> bytes = windows1252FromUtf8(text);
        if (!bytes) throw std::invalid_argument("\"" + text + "\" has characters code page 1252 cannot hold");
        out.u32(static_cast<uint32_t>(bytes->size() + 1));  // bytes
        for (const char c : *bytes) out.u8(static_cast<uint8_t>(c));
        out.u8(0);
        if (padded) out.padToAlignment();
    }
};

StringForm stringFormOf(const PropertySection& section) {
    for (const Property& property : section.properties) {
        if (property.id != kPropertyIdCodePage) continue;
        const int16_t* codePage = std::get_if<int16_t>(&property.value);
        const auto value = codePage ? static_cast<uint16_t>(*codePage) : 0;
        if (value == kCodePageUnicode) return {true};
        if (value == kCodePageWindows1252) return {false};
        throw std::invalid_argument("property sets are written in code page 1252 or 1200, not " + std::to_string(value));
    }
    return {false};
}

void typeTag(ByteWriter& out, uint16_t type) {
    out.u16(type);
    out.u16(0);
}

// One value with its type tag, padded to the next multiple of four bytes.
class ValueWriter {
public:
    ValueWriter(ByteWriter& out, StringForm strings) : m_out(out), m_strings(strings) {}

    void operator()(int16_t value) {
        typeTag(m_out, kTypeI2);
        m_out.u16(static_cast<uint16_t>(value));
    }
    void operator()(int32_t value) {
        typeTag(m_out, kTypeI4);
        m_out.u32(static_cast<uint32_t>(value));
    }
    void operator()(bool value) {
        typeTag(m_out, kTypeBool);
        m_out.u16(static_cast<uint16_t>(value ? kTrue : 0));
    }
    void operator()(const std::string& value) {
        typeTag(m_out, m_strings.type());
        m_strings.write(m_out, value, true);
    }
    void operator()(FileTime value) {
        typeTag(m_out, kTypeFileTime);
        m_out.u64(value.ticks);
    }
    void operator()(const std::vector<std::string>& values) {
        typeTag(m_out, kTypeVector | m_strings.type());
        m_out.u32(static_cast<uint32_t>(values.size()));
        for (const std::string& value : values) m_strings.write(m_out, value, false);
    }
    void operator()(const std::vector<VariantItem>& items) {
        typeTag(m_out, kTypeVector | kTypeVariant);
        m_out.u32(static_cast<uint32_t>(items.size()));
        for (const VariantItem& item : items) {
            if (const auto* text = std::get_if<std::string>(&item)) {
                typeTag(m_out, m_strings.type());
                m_strings.write(m_out, *text, false);
            } else {
                typeTag(m_out, kTypeI4);
                m_out.u32(static_cast<uint32_t>(std::get<int32_t>(item)));
            }
        }
    }

private:
    ByteWriter& m_out;
    StringForm m_strings;
};

std::vector<uint8_t> sectionBytes(const PropertySection& section) {
    const StringForm strings = stringFormOf(section);
    ByteWriter values;
    std::vector<uint32_t> offsets;
    const std::size_t tableEnd = kSectionHeaderSize + kPropertyEntrySize * section.properties.size();
    for (const Property& property : section.properties) {
        offsets.push_back(static_cast<uint32_t>(tableEnd + values.size()));
        std::visit(ValueWriter(values, strings), property.value);
        values.padToAlignment();
    }
    ByteWriter out;
    out.u32(static_cast<uint32_t>(tableEnd + values.size()));
    out.u32(static_cast<uint32_t>(section.properties.size()));
    for (std::size_t i = 0; i < section.properties.size(); ++i) {
        out.u32(section.properties[i].id);
        out.u32(offsets[i]);
    }
    out.append(values.take());
    return out.take();
}

}  // namespace

std::vector<uint8_t> propertySetStream(const PropertySection& section) {
    ByteWriter out;
    out.u16(kByteOrder);
    out.u16(kVersion);
    out.u32(kSystemIdentifier);
    for (std::size_t i = 0; i < kClassIdSize; ++i) out.u8(0);
    out.u32(1);  // one section
    out.append(section.formatId);
    out.u32(static_cast<uint32_t>(kFirstSectionAt));
    out.append(sectionBytes(section));
    return out.take();
}

}  // namespace spreadsheet::xls::ole
