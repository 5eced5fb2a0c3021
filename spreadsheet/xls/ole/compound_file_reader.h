// CompoundFileReader: opens a compound file (version 3 or 4) held in memory,
// checks its header, allocation tables and directory, and hands out streams.
// Anything damaged or foreign throws OleError; nothing is read out of bounds.
//
//   CompoundFileReader file = CompoundFileReader::fromFile(path);
//   if (file.contains("Workbook")) parse(file.stream("Workbook"));
#pragma once

#include "spreadsheet/xls/ole/directory_reader.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace spreadsheet::xls::ole {

class CompoundFileReader {
public:
    // Checks the header, FAT, DIFAT, mini FAT, directory and mini stream.
    explicit CompoundFileReader(std::vector<uint8_t> bytes);
    // Reads the whole file first; throws OleError (ReadFailed) naming the path and the reason.
    static CompoundFileReader fromFile(const std::filesystem::path& path);

    uint16_t majorVersion() const { return m_majorVersion; }

    // Every stream, as "Storage/Stream" paths in UTF-8 from the root: the
    // root's own streams first, each storage's in sibling order. A stream
    // that no such path can name (its name or a storage's above it holds '/',
    // or an unpaired surrogate) is left out.
    std::vector<std::string> streamNames() const;
    // Names match as the file format does, ignoring case.
    bool contains(std::string_view path) const;
    // The stream's bytes; throws OleError (NoSuchStream, or Damaged when its chain is broken).
    std::vector<uint8_t> stream(std::string_view path) const;

private:
    std::size_t sectorOffset(uint32_t sector) const { return (std::size_t{sector} + 1) * m_sectorSize; }
    void readHeader();
    void readFat();
    void readDirectoryAndMiniStream();
    std::vector<uint32_t> difatFatSectors(uint32_t fatSectors) const;
    std::span<const uint8_t> wholeSector(uint32_t sector, const std::string& what) const;
    std::vector<uint32_t> followChain(uint32_t start, const std::vector<uint32_t>& table, uint64_t limit,
                                      const std::string& what) const;
    std::vector<uint8_t> copySectors(const std::vector<uint32_t>& sectors, uint64_t size,
                                     const std::string& what) const;
    std::vector<uint8_t> readChain(uint32_t start, uint64_t size, const std::string& what) const;
    std::vector<uint8_t> readWholeChain(uint32_t start, const std::string& what) const;
    std::vector<uint8_t> readMiniChain(uint32_t start, uint64_t size, const std::string& what) const;
    const StoredStream* find(std::string_view path) const;

    std::vector<uint8_t> m_bytes;
    uint16_t m_majorVersion = 0;
    std::size_t m_sectorSize = 0;
    uint32_t m_sectorsInFile = 0;  // sectors after the header sector, the last one possibly cut short
    uint32_t m_miniStreamCutoff = 0;
    std::vector<uint32_t> m_fat;
    std::vector<uint32_t> m_miniFat;
    std::vector<uint8_t> m_miniStream;
    std::vector<StoredStream> m_streams;
};

}  // namespace spreadsheet::xls::ole
