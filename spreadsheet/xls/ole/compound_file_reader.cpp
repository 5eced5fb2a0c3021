// Opening a compound file: header checks, then the FAT through the DIFAT, the
// directory, the mini FAT and the mini stream. Every sector id is checked
// against the table it indexes and the file's length before it is used, and
// every chain walk remembers where it has been, so a loop is an error, not a hang.
#include "spreadsheet/xls/ole/compound_file_reader.h"

#include "spreadsheet/xls/hex_text.h"
#include "spreadsheet/xls/little_endian.h"
#include "spreadsheet/xls/ole/entry_name.h"
#include "spreadsheet/xls/ole/layout.h"
#include "spreadsheet/xls/ole/ole_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>

namespace spreadsheet::xls::ole {
namespace {

[[noreturn]] void damaged(const std::string& what) { throw OleError(OleErrorKind::Damaged, what); }

std::string number(uint64_t value) { return std::to_string(value); }

uint64_t unitsFor(uint64_t bytes, uint64_t unit) { return bytes / unit + (bytes % unit != 0 ? 1 : 0); }

std::vector<uint32_t> sectorIdsIn(std::span<const uint8_t> bytes) {
    std::vector<uint32_t> ids(bytes.size() / kSectorIdSize);
    for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = getU32(bytes, i * kSectorIdSize);
    return ids;
}

}  // namespace

CompoundFileReader::CompoundFileReader(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {
    readHeader();
    readFat();
    readDirectoryAndMiniStream();
}

CompoundFileReader CompoundFileReader::fromFile(const std::filesystem::path& path) {
    const auto failed = [&](const std::string& reason) {
        throw OleError(OleErrorKind::ReadFailed, inQuotes(path.string()) + ": " + reason);
    };
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);  // also refuses folders
    if (error) failed(error.message());
    std::vector<uint8_t> bytes(size);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        failed(std::strerror(errno != 0 ? errno : EIO));
    return CompoundFileReader(std::move(bytes));
}

// Signature, byte order, version with its sector size, mini sector size.
void CompoundFileReader::readHeader() {
    const std::span<const uint8_t> head(m_bytes);
    if (head.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), head.begin()))
        throw OleError(OleErrorKind::NotCompoundFile, "the signature is missing");
    if (head.size() < kHeaderSize)
        damaged("it ends inside the header, after " + number(head.size()) + " of " + number(kHeaderSize) +
                " bytes");
    if (const uint16_t mark = getU16(head, header::kByteOrder); mark != kByteOrderMark)
        throw OleError(OleErrorKind::Unsupported, "the byte order mark is " + hexText(mark, 4) + ", not 0xFFFE");
    m_majorVersion = getU16(head, header::kMajorVersion);
    const uint16_t shift = getU16(head, header::kSectorShift);
    if (!(m_majorVersion == kMajorVersion3 && shift == kSectorShiftV3) &&
        !(m_majorVersion == kMajorVersion4 && shift == kSectorShiftV4))
        throw OleError(OleErrorKind::Unsupported,
                       "major version " + number(m_majorVersion) + " with sector shift " + number(shift));
    if (const uint16_t miniShift = getU16(head, header::kMiniSectorShift); miniShift != kMiniSectorShift)
        throw OleError(OleErrorKind::Unsupported, "mini sector shift " + number(miniShift));
    m_sectorSize = std::size_t{1} << shift;
    if (head.size() < m_sectorSize) damaged("it ends inside the header sector");
    const uint64_t sectors = unitsFor(head.size() - m_sectorSize, m_sectorSize);
    m_sectorsInFile = static_cast<uint32_t>(std::min<uint64_t>(sectors, uint64_t{kMaxRegularSector} + 1));
    m_miniStreamCutoff = getU32(head, header::kMiniStreamCutoff);
}

std::span<const uint8_t> CompoundFileReader::wholeSector(uint32_t sector, const std::string& what) const {
    if (sector >= m_sectorsInFile || sectorOffset(sector) + m_sectorSize > m_bytes.size())
        damaged(what + " " + number(sector) + " lies beyond the end of the file");
    return std::span<const uint8_t>(m_bytes).subspan(sectorOffset(sector), m_sectorSize);
}

// The FAT's sector ids: the first 109 from the header, the rest from the chain of DIFAT sectors.
std::vector<uint32_t> CompoundFileReader::difatFatSectors(uint32_t fatSectors) const {
    const std::span<const uint8_t> head(m_bytes);
    std::vector<uint32_t> ids;
    for (std::size_t i = 0; i < std::min<std::size_t>(fatSectors, kHeaderDifatCount); ++i)
        ids.push_back(getU32(head, header::kDifat + i * kSectorIdSize));
    const std::size_t perSector = m_sectorSize / kSectorIdSize - 1;  // the last slot links onward
    std::vector<bool> seen(m_sectorsInFile, false);
    for (uint32_t next = getU32(head, header::kFirstDifatSector); ids.size() < fatSectors;) {
        if (next > kMaxRegularSector)
            damaged("the DIFAT ends after listing " + number(ids.size()) + " of " + number(fatSectors) +
                    " FAT sectors");
        if (next < m_sectorsInFile && seen[next]) damaged("the DIFAT's sector chain loops at sector " + number(next));
        const std::span<const uint8_t> sector = wholeSector(next, "DIFAT sector");
        seen[next] = true;
        for (std::size_t i = 0; i < perSector && ids.size() < fatSectors; ++i)
            ids.push_back(getU32(sector, i * kSectorIdSize));
        next = getU32(sector, perSector * kSectorIdSize);
    }
    return ids;
}

void CompoundFileReader::readFat() {
    const uint32_t fatSectors = getU32(m_bytes, header::kFatSectorCount);
    if (fatSectors > m_sectorsInFile)
        damaged("the header counts " + number(fatSectors) + " FAT sectors, but the file holds only " +
                number(m_sectorsInFile) + " sectors");
    m_fat.reserve(std::size_t{fatSectors} * (m_sectorSize / kSectorIdSize));
    for (const uint32_t id : difatFatSectors(fatSectors)) {
        const std::vector<uint32_t> ids = sectorIdsIn(wholeSector(id, "FAT sector"));
        m_fat.insert(m_fat.end(), ids.begin(), ids.end());
    }
}

void CompoundFileReader::readDirectoryAndMiniStream() {
    const std::span<const uint8_t> head(m_bytes);
    const std::vector<uint8_t> entries = readWholeChain(getU32(head, header::kFirstDirectorySector), "the directory");
    Directory directory = parseDirectory(entries, m_majorVersion == kMajorVersion4);
    m_miniFat = sectorIdsIn(readWholeChain(getU32(head, header::kFirstMiniFatSector), "the mini FAT"));
    m_miniStream = readChain(directory.miniStreamStart, directory.miniStreamSize, "the mini stream");
    m_streams = std::move(directory.streams);
}

// Up to `limit` sector ids of the chain from `start` through `table`.
std::vector<uint32_t> CompoundFileReader::followChain(uint32_t start, const std::vector<uint32_t>& table,
                                                      uint64_t limit, const std::string& what) const {
    std::vector<uint32_t> chain;
    std::vector<bool> seen(table.size(), false);
    for (uint32_t current = start; current != kEndOfChain && chain.size() < limit; current = table[current]) {
        if (current > kMaxRegularSector)
            damaged("the sector chain of " + what + " meets the marker " + hexText(current, 8) + " after " +
                    number(chain.size()) + " sectors");
        if (current >= table.size())
            damaged("the sector chain of " + what + " points to sector " + number(current) +
                    ", past the last of " + number(table.size()));
        if (seen[current]) damaged("the sector chain of " + what + " loops at sector " + number(current));
        seen[current] = true;
        chain.push_back(current);
    }
    return chain;
}

// The first `size` bytes of the given sectors; the last may be cut short by the end of the file.
std::vector<uint8_t> CompoundFileReader::copySectors(const std::vector<uint32_t>& sectors, uint64_t size,
                                                     const std::string& what) const {
    std::vector<uint8_t> out;
    out.reserve(size);
    for (const uint32_t sector : sectors) {
        const std::size_t count = std::min<uint64_t>(m_sectorSize, size - out.size());
        if (count == 0) break;
        if (sector >= m_sectorsInFile || sectorOffset(sector) + count > m_bytes.size())
            damaged("sector " + number(sector) + " of " + what + " lies beyond the end of the file");
        const auto first = m_bytes.begin() + static_cast<std::ptrdiff_t>(sectorOffset(sector));
        out.insert(out.end(), first, first + static_cast<std::ptrdiff_t>(count));
    }
    return out;
}

std::vector<uint8_t> CompoundFileReader::readChain(uint32_t start, uint64_t size, const std::string& what) const {
    if (size == 0) return {};
    if (size > m_bytes.size())
        damaged(what + " claims " + number(size) + " bytes, more than the whole file holds");
    const uint64_t needed = unitsFor(size, m_sectorSize);
    const std::vector<uint32_t> sectors = followChain(start, m_fat, needed, what);
    if (sectors.size() < needed)
        damaged(what + " claims " + number(size) + " bytes, but its sector chain ends after " +
                number(sectors.size()) + " sectors");
    return copySectors(sectors, size, what);
}

std::vector<uint8_t> CompoundFileReader::readWholeChain(uint32_t start, const std::string& what) const {
    const std::vector<uint32_t> sectors = followChain(start, m_fat, std::numeric_limits<uint64_t>::max(), what);
    return copySectors(sectors, uint64_t{sectors.size()} * m_sectorSize, what);
}

std::vector<uint8_t> CompoundFileReader::readMiniChain(uint32_t start, uint64_t size, const std::string& what) const {
    if (size == 0) return {};
    if (size > m_miniStream.size())
        damaged(what + " claims " + number(size) + " bytes, more than the mini stream holds");
    const uint64_t needed = unitsFor(size, kMiniSectorSize);
    const std::vector<uint32_t> sectors = followChain(start, m_miniFat, needed, what);
    if (sectors.size() < needed)
        damaged(what + " claims " + number(size) + " bytes, but its mini sector chain ends after " +
                number(sectors.size()) + " mini sectors");
    std::vector<uint8_t> out;
    out.reserve(size);
    for (const uint32_t sector : sectors) {
        const std::size_t offset = std::size_t{sector} * kMiniSectorSize;
        const std::size_t count = std::min<uint64_t>(kMiniSectorSize, size - out.size());
        if (offset + count > m_miniStream.size())
            damaged("mini sector " + number(sector) + " of " + what + " lies beyond the end of the mini stream");
        out.insert(out.end(), m_miniStream.begin() + static_cast<std::ptrdiff_t>(offset),
                   m_miniStream.begin() + static_cast<std::ptrdiff_t>(offset + count));
    }
    return out;
}

const StoredStream* CompoundFileReader::find(std::string_view path) const {
    std::vector<std::u16string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t slash = path.find('/', from);
        parts.push_back(entryNameUtf16(path.substr(from, slash - from)));
        if (slash == std::string_view::npos) break;
        from = slash + 1;
    }
    const auto matches = [&](const StoredStream& s) {
        return s.parts.size() == parts.size() &&
               std::equal(parts.begin(), parts.end(), s.parts.begin(),
                          [](const auto& a, const auto& b) { return compareEntryNames(a, b) == 0; });
    };
    const auto it = std::find_if(m_streams.begin(), m_streams.end(), matches);
    return it == m_streams.end() ? nullptr : &*it;
}

std::vector<std::string> CompoundFileReader::streamNames() const {
    std::vector<std::string> names;
    for (const StoredStream& s : m_streams) names.push_back(s.path);
    return names;
}

bool CompoundFileReader::contains(std::string_view path) const { return find(path) != nullptr; }

std::vector<uint8_t> CompoundFileReader::stream(std::string_view path) const {
    const StoredStream* found = find(path);
    if (!found) throw OleError(OleErrorKind::NoSuchStream, inQuotes(path));
    const std::string what = "stream " + inQuotes(found->path);
    return found->size < m_miniStreamCutoff ? readMiniChain(found->start, found->size, what)
                                            : readChain(found->start, found->size, what);
}

}  // namespace spreadsheet::xls::ole
