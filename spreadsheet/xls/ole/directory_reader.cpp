// Walks the directory without recursion: sibling trees in order with an
// explicit stack, storages through a work list. Every entry may be reached
// once; a second visit means the links form a cycle.
#include "spreadsheet/xls/ole/directory_reader.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/ole/ole_error.h"

#include <optional>
#include <string>
#include <utility>

namespace spreadsheet::xls::ole {
namespace {

[[noreturn]] void damaged(const std::string& what) { throw OleError(OleErrorKind::Damaged, what); }

class DirectoryWalk {
public:
    DirectoryWalk(std::span<const uint8_t> entries, bool wideSizes)
        : m_entries(entries), m_count(entries.size() / kDirectoryEntrySize), m_wideSizes(wideSizes),
          m_seen(m_count, false) {}

    Directory run();

private:
    std::span<const uint8_t> entry(uint32_t id) const {
        return m_entries.subspan(std::size_t{id} * kDirectoryEntrySize, kDirectoryEntrySize);
    }
    uint64_t size(uint32_t id) const {
        return m_wideSizes ? getU64(entry(id), entry::kStreamSize) : getU32(entry(id), entry::kStreamSize);
    }
    std::u16string name(uint32_t id) const;
    void visit(uint32_t id);
    std::vector<uint32_t> siblingsInOrder(uint32_t top);

    std::span<const uint8_t> m_entries;
    std::size_t m_count;
    bool m_wideSizes;
    std::vector<bool> m_seen;
};

std::u16string DirectoryWalk::name(uint32_t id) const {
    const uint16_t length = getU16(entry(id), entry::kNameLength);
    if (length < sizeof(char16_t) || length > entry::kNameBytes || length % sizeof(char16_t) != 0)
        damaged("directory entry " + std::to_string(id) + " has a name length of " + std::to_string(length) +
                " bytes");
    std::u16string text;
    for (std::size_t i = 0; i + 1 < length / sizeof(char16_t); ++i)  // the terminator is not part of the name
        text += static_cast<char16_t>(getU16(entry(id), entry::kName + i * sizeof(char16_t)));
    return text;
}

// Marks an entry reached, refusing links past the array and second visits.
void DirectoryWalk::visit(uint32_t id) {
    if (id >= m_count)
        damaged("the directory links to entry " + std::to_string(id) + ", past the last of " +
                std::to_string(m_count));
    if (m_seen[id]) damaged("the directory tree reaches entry " + std::to_string(id) + " twice");
    m_seen[id] = true;
}

// The siblings under `top`, left to right.
std::vector<uint32_t> DirectoryWalk::siblingsInOrder(uint32_t top) {
    std::vector<uint32_t> order;
    std::vector<uint32_t> pending;
    uint32_t current = top;
    while (current != kNoStream || !pending.empty()) {
        for (; current != kNoStream; current = getU32(entry(current), entry::kLeftSibling)) {
            visit(current);
            pending.push_back(current);
        }
        current = pending.back();
        pending.pop_back();
        order.push_back(current);
        current = getU32(entry(current), entry::kRightSibling);
    }
    return order;
}

// The UTF-8 path that finds these names again; nullopt when a name holds '/'
// (which the format forbids) or a code unit UTF-8 cannot carry (an unpaired surrogate).
std::optional<std::string> pathOf(const std::vector<std::u16string>& parts) {
    std::string path;
    for (const std::u16string& part : parts) {
        const std::string utf8 = unicode::utf8FromUtf16(part);
        if (utf8.find('/') != std::string::npos || unicode::utf16FromUtf8(utf8) != part) return std::nullopt;
        path += (path.empty() ? "" : "/") + utf8;
    }
    return path;
}

Directory DirectoryWalk::run() {
    if (m_count == 0) damaged("the directory holds no entries");
    if (static_cast<EntryType>(entry(0)[entry::kType]) != EntryType::Root)
        damaged("the first directory entry is not the root storage");
    visit(0);
    Directory directory;
    directory.miniStreamStart = getU32(entry(0), entry::kStartSector);
    directory.miniStreamSize = size(0);
    std::vector<std::pair<uint32_t, std::vector<std::u16string>>> storages{{getU32(entry(0), entry::kChild), {}}};
    for (std::size_t s = 0; s < storages.size(); ++s) {
        const uint32_t top = storages[s].first;
        const std::vector<std::u16string> prefix = storages[s].second;  // a copy: `storages` grows below
        for (const uint32_t id : siblingsInOrder(top)) {
            const auto type = static_cast<EntryType>(entry(id)[entry::kType]);
            if (type != EntryType::Storage && type != EntryType::Stream)
                damaged("directory entry " + std::to_string(id) + " of type " +
                        std::to_string(static_cast<int>(type)) + " is linked into the tree");
            std::vector<std::u16string> parts = prefix;
            parts.push_back(name(id));
            if (type == EntryType::Storage) {
                storages.emplace_back(getU32(entry(id), entry::kChild), std::move(parts));
            } else {
                std::optional<std::string> path = pathOf(parts);
                if (!path) continue;  // no path names it: left out
                StoredStream stream;
                stream.path = std::move(*path);
                stream.parts = std::move(parts);
                stream.start = getU32(entry(id), entry::kStartSector);
                stream.size = size(id);
                directory.streams.push_back(std::move(stream));
            }
        }
    }
    return directory;
}

}  // namespace

Directory parseDirectory(std::span<const uint8_t> entries, bool wideSizes) {
    return DirectoryWalk(entries, wideSizes).run();
}

}  // namespace spreadsheet::xls::ole
