// Lays the streams out in sectors and writes the header, the allocation tables
// and the directory around them. The whole file is planned before a byte is
// written, so every table knows its final position.
#include "spreadsheet/xls/ole/compound_file_writer.h"

#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/ole/directory_tree.h"
#include "spreadsheet/xls/ole/entry_name.h"
#include "spreadsheet/xls/ole/layout.h"
#include "spreadsheet/xls/ole/ole_error.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

namespace spreadsheet::xls::ole {
namespace {

constexpr uint32_t kIdsPerSector = kSectorSize / kSectorIdSize;
constexpr uint32_t kIdsPerDifatSector = kIdsPerSector - 1;  // the last slot links to the next DIFAT sector
constexpr uint32_t kEntriesPerSector = kSectorSize / kDirectoryEntrySize;

uint64_t unitsFor(uint64_t bytes, uint64_t unit) { return (bytes + unit - 1) / unit; }

bool inMiniStream(std::size_t size) { return size < kMiniStreamCutoff; }

using Contents = std::vector<std::span<const uint8_t>>;  // the streams' bytes, in directory order

// Where everything goes. Sectors are numbered from 0 after the header and laid
// out in this fixed order:
//   FAT | DIFAT | mini FAT | directory | mini stream | regular streams
// The tables come first, so their places depend only on the counts; the
// streams follow in directory order.
struct Plan {
    uint32_t fatSectors = 0;
    uint32_t difatSectors = 0;
    uint32_t miniFatSectors = 0;
    uint32_t directorySectors = 0;
    uint32_t miniStreamSectors = 0;
    uint32_t streamSectors = 0;            // all regular streams together
    uint32_t miniSectors = 0;              // mini sectors in use
    std::vector<uint32_t> relativeStarts;  // per stream: offset in its region, in sectors or mini sectors

    uint32_t firstFat() const { return 0; }
    uint32_t firstDifat() const { return firstFat() + fatSectors; }
    uint32_t firstMiniFat() const { return firstDifat() + difatSectors; }
    uint32_t firstDirectory() const { return firstMiniFat() + miniFatSectors; }
    uint32_t firstMiniStream() const { return firstDirectory() + directorySectors; }
    uint32_t firstStream() const { return firstMiniStream() + miniStreamSectors; }
    uint32_t totalSectors() const { return firstStream() + streamSectors; }
};

// FAT and DIFAT sectors for `others` sectors of everything else. The FAT also
// covers its own sectors and the DIFAT's, so both grow until they fit.
std::pair<uint64_t, uint64_t> fatAndDifatSectors(uint64_t others) {
    uint64_t fat = 0;
    uint64_t difat = 0;
    for (;;) {
        const uint64_t needFat = unitsFor(others + fat + difat, kIdsPerSector);
        const uint64_t needDifat =
            needFat > kHeaderDifatCount ? unitsFor(needFat - kHeaderDifatCount, kIdsPerDifatSector) : 0;
        if (needFat == fat && needDifat == difat) return {fat, difat};
        fat = needFat;
        difat = needDifat;
    }
}

// Counts the sectors of each region and places each stream within its region.
Plan planLayout(const Contents& streams) {
    Plan plan;
    uint64_t miniSectors = 0;
    uint64_t streamSectors = 0;
    for (const auto data : streams) {
        const bool mini = inMiniStream(data.size());
        uint64_t& used = mini ? miniSectors : streamSectors;
        // Clamped only to stay in range; a layout this large is refused below.
        plan.relativeStarts.push_back(static_cast<uint32_t>(std::min<uint64_t>(used, kMaxRegularSector)));
        used += unitsFor(data.size(), mini ? kMiniSectorSize : kSectorSize);
    }
    const uint64_t miniStreamSectors = unitsFor(miniSectors * kMiniSectorSize, kSectorSize);
    const uint64_t others = unitsFor(miniSectors, kIdsPerSector) + unitsFor(streams.size() + 1, kEntriesPerSector) +
                            miniStreamSectors + streamSectors;
    const auto [fat, difat] = fatAndDifatSectors(others);
    if ((others + fat + difat + 1) * kSectorSize > kMaxFileSizeV3)
        throw OleError(OleErrorKind::TooLarge, "the streams need more than 2 GB");
    plan.fatSectors = static_cast<uint32_t>(fat);
    plan.difatSectors = static_cast<uint32_t>(difat);
    plan.miniFatSectors = static_cast<uint32_t>(unitsFor(miniSectors, kIdsPerSector));
    plan.directorySectors = static_cast<uint32_t>(unitsFor(streams.size() + 1, kEntriesPerSector));
    plan.miniStreamSectors = static_cast<uint32_t>(miniStreamSectors);
    plan.streamSectors = static_cast<uint32_t>(streamSectors);
    plan.miniSectors = static_cast<uint32_t>(miniSectors);
    return plan;
}

std::span<uint8_t> sectorBytes(std::vector<uint8_t>& file, uint32_t sector) {
    return std::span<uint8_t>(file).subspan((std::size_t{sector} + 1) * kSectorSize, kSectorSize);
}

// Links `count` consecutive entries from `first` into one chain.
void chain(std::vector<uint32_t>& table, uint32_t first, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) table[first + i] = i + 1 < count ? first + i + 1 : kEndOfChain;
}

// Writes a table of sector ids into consecutive sectors from `firstSector`.
void putTable(std::vector<uint8_t>& file, uint32_t firstSector, const std::vector<uint32_t>& table) {
    for (std::size_t i = 0; i < table.size(); ++i)
        putU32(sectorBytes(file, firstSector + static_cast<uint32_t>(i / kIdsPerSector)),
               (i % kIdsPerSector) * kSectorIdSize, table[i]);
}

std::vector<uint32_t> fatTable(const Plan& plan, const Contents& streams) {
    std::vector<uint32_t> fat(std::size_t{plan.fatSectors} * kIdsPerSector, kFreeSector);
    std::fill_n(fat.begin() + plan.firstFat(), plan.fatSectors, kFatSectorMark);
    std::fill_n(fat.begin() + plan.firstDifat(), plan.difatSectors, kDifatSectorMark);
    chain(fat, plan.firstMiniFat(), plan.miniFatSectors);
    chain(fat, plan.firstDirectory(), plan.directorySectors);
    chain(fat, plan.firstMiniStream(), plan.miniStreamSectors);
    for (std::size_t i = 0; i < streams.size(); ++i)
        if (!inMiniStream(streams[i].size()))
            chain(fat, plan.firstStream() + plan.relativeStarts[i],
                  static_cast<uint32_t>(unitsFor(streams[i].size(), kSectorSize)));
    return fat;
}

std::vector<uint32_t> miniFatTable(const Plan& plan, const Contents& streams) {
    std::vector<uint32_t> miniFat(std::size_t{plan.miniFatSectors} * kIdsPerSector, kFreeSector);
    for (std::size_t i = 0; i < streams.size(); ++i)
        if (inMiniStream(streams[i].size()))
            chain(miniFat, plan.relativeStarts[i],
                  static_cast<uint32_t>(unitsFor(streams[i].size(), kMiniSectorSize)));
    return miniFat;
}

// The header's 109 FAT sector ids, then the DIFAT sectors for the rest, each
// ending with a link to the next.
void putDifat(std::vector<uint8_t>& file, const Plan& plan) {
    const std::span<uint8_t> head(file.data(), kHeaderSize);
    for (uint32_t i = 0; i < kHeaderDifatCount; ++i)
        putU32(head, header::kDifat + i * kSectorIdSize, i < plan.fatSectors ? plan.firstFat() + i : kFreeSector);
    for (uint32_t d = 0; d < plan.difatSectors; ++d) {
        const std::span<uint8_t> sector = sectorBytes(file, plan.firstDifat() + d);
        for (uint32_t i = 0; i < kIdsPerDifatSector; ++i) {
            const uint32_t fatIndex = kHeaderDifatCount + d * kIdsPerDifatSector + i;
            putU32(sector, i * kSectorIdSize, fatIndex < plan.fatSectors ? plan.firstFat() + fatIndex : kFreeSector);
        }
        const bool last = d + 1 == plan.difatSectors;
        putU32(sector, kIdsPerDifatSector * kSectorIdSize, last ? kEndOfChain : plan.firstDifat() + d + 1);
    }
}

void putHeader(std::vector<uint8_t>& file, const Plan& plan) {
    const std::span<uint8_t> head(file.data(), kHeaderSize);
    std::copy(kSignature.begin(), kSignature.end(), head.begin() + header::kSignature);
    putU16(head, header::kMinorVersion, kMinorVersion);
    putU16(head, header::kMajorVersion, kMajorVersion3);
    putU16(head, header::kByteOrder, kByteOrderMark);
    putU16(head, header::kSectorShift, kSectorShiftV3);
    putU16(head, header::kMiniSectorShift, kMiniSectorShift);
    putU32(head, header::kFatSectorCount, plan.fatSectors);
    putU32(head, header::kFirstDirectorySector, plan.firstDirectory());
    putU32(head, header::kMiniStreamCutoff, kMiniStreamCutoff);
    putU32(head, header::kFirstMiniFatSector, plan.miniFatSectors > 0 ? plan.firstMiniFat() : kEndOfChain);
    putU32(head, header::kMiniFatSectorCount, plan.miniFatSectors);
    putU32(head, header::kFirstDifatSector, plan.difatSectors > 0 ? plan.firstDifat() : kEndOfChain);
    putU32(head, header::kDifatSectorCount, plan.difatSectors);
}

struct EntryFields {
    std::u16string_view name;
    EntryType type = EntryType::Empty;
    TreeNode links;  // siblings and colour
    uint32_t child = kNoStream;
    uint32_t start = kEndOfChain;
    uint64_t size = 0;
};

// One directory entry. CLSID, state bits and both timestamps stay zero.
void putEntry(std::span<uint8_t> entry, const EntryFields& fields) {
    for (std::size_t i = 0; i < fields.name.size(); ++i)
        putU16(entry, entry::kName + i * sizeof(char16_t), static_cast<uint16_t>(fields.name[i]));
    // The length counts the terminator; empty entries have none.
    const std::size_t nameBytes = fields.name.empty() ? 0 : (fields.name.size() + 1) * sizeof(char16_t);
    putU16(entry, entry::kNameLength, static_cast<uint16_t>(nameBytes));
    entry[entry::kType] = static_cast<uint8_t>(fields.type);
    entry[entry::kColor] = static_cast<uint8_t>(fields.links.color);
    putU32(entry, entry::kLeftSibling, fields.links.left);
    putU32(entry, entry::kRightSibling, fields.links.right);
    putU32(entry, entry::kChild, fields.child);
    putU32(entry, entry::kStartSector, fields.start);
    putU64(entry, entry::kStreamSize, fields.size);
}

// Entry 0 is the root, then the streams in sibling order; the rest of the last
// sector holds empty entries, all zero but for their three links.
void putDirectory(std::vector<uint8_t>& file, const Plan& plan, const std::vector<std::u16string>& names,
                  const Contents& streams) {
    const SiblingTree tree = buildSiblingTree(names.size());
    auto entryBytes = [&](uint32_t id) {
        return sectorBytes(file, plan.firstDirectory() + id / kEntriesPerSector)
            .subspan((id % kEntriesPerSector) * kDirectoryEntrySize, kDirectoryEntrySize);
    };
    const auto entryId = [](uint32_t sibling) { return sibling == kNoStream ? kNoStream : sibling + 1; };
    EntryFields root;
    root.name = kRootEntryName;
    root.type = EntryType::Root;
    root.child = entryId(tree.root);
    root.start = plan.miniSectors > 0 ? plan.firstMiniStream() : kEndOfChain;
    root.size = uint64_t{plan.miniSectors} * kMiniSectorSize;
    putEntry(entryBytes(0), root);
    for (uint32_t i = 0; i < names.size(); ++i) {
        EntryFields fields;
        fields.name = names[i];
        fields.type = EntryType::Stream;
        fields.links = {entryId(tree.nodes[i].left), entryId(tree.nodes[i].right), tree.nodes[i].color};
        const std::size_t size = streams[i].size();
        const uint32_t base = inMiniStream(size) ? 0 : plan.firstStream();
        fields.start = size == 0 ? kEndOfChain : base + plan.relativeStarts[i];
        fields.size = size;
        putEntry(entryBytes(i + 1), fields);
    }
    EntryFields empty;
    empty.links.color = EntryColor::Red;  // its zero value
    empty.start = 0;
    for (uint32_t id = static_cast<uint32_t>(names.size()) + 1; id < plan.directorySectors * kEntriesPerSector; ++id)
        putEntry(entryBytes(id), empty);
}

// Short streams go into the mini stream's sectors, the others into their own; the rest stays zero.
void putStreamData(std::vector<uint8_t>& file, const Plan& plan, const Contents& streams) {
    const std::size_t miniStreamOffset = (std::size_t{plan.firstMiniStream()} + 1) * kSectorSize;
    for (std::size_t i = 0; i < streams.size(); ++i) {
        const std::span<const uint8_t> data = streams[i];
        if (data.empty()) continue;
        const std::size_t offset = inMiniStream(data.size())
                                       ? miniStreamOffset + plan.relativeStarts[i] * kMiniSectorSize
                                       : (std::size_t{plan.firstStream()} + plan.relativeStarts[i] + 1) * kSectorSize;
        std::memcpy(file.data() + offset, data.data(), data.size());
    }
}

}  // namespace

void CompoundFileWriter::addStream(std::string_view name, std::vector<uint8_t> data) {
    std::u16string stored = validEntryName(name);
    const auto at = std::lower_bound(m_streams.begin(), m_streams.end(), stored, [](const Stream& s, const auto& n) {
        return compareEntryNames(s.name, n) < 0;
    });
    if (at != m_streams.end() && compareEntryNames(at->name, stored) == 0)
        throw OleError(OleErrorKind::InvalidName, inQuotes(name) + " is already taken (names ignore case)");
    m_streams.insert(at, Stream{std::move(stored), std::move(data)});
}

std::vector<uint8_t> CompoundFileWriter::bytes() const {
    std::vector<std::u16string> names;
    Contents streams;
    for (const Stream& s : m_streams) {
        names.push_back(s.name);
        streams.emplace_back(s.data);
    }
    const Plan plan = planLayout(streams);
    std::vector<uint8_t> file((std::size_t{plan.totalSectors()} + 1) * kSectorSize, 0);
    putHeader(file, plan);
    putTable(file, plan.firstFat(), fatTable(plan, streams));
    putDifat(file, plan);
    putTable(file, plan.firstMiniFat(), miniFatTable(plan, streams));
    putDirectory(file, plan, names, streams);
    putStreamData(file, plan, streams);
    return file;
}

}  // namespace spreadsheet::xls::ole
