// How the model's measures and enumerations are stored in the file, both
// ways: column widths, row heights and font sizes, colour indexes, border
// lines, and RK numbers. Writer and reader share these so that a value read
// back is the value written.
#pragma once

#include "spreadsheet/model/style.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace spreadsheet::xls::biff {

// Column widths. The model counts characters of the default font's widest
// digit without the 5-pixel cell padding; the file counts 1/256 of that digit
// with the padding. A width snaps to whole pixels, as on screen: 12 -> 89 px
// -> 3254 -> 12; 15.57 -> 114 px -> 4169 -> 15.57. A stored width wider than
// 255 characters (the widest column) reads as 255.
uint16_t storedColumnWidth(double characters);
double columnWidthFromStored(uint16_t stored);
// The width of columns without their own, from DefColWidth's character count
// (8 gives 8.43: 61 pixels rounded up to the next 8).
double defaultColumnWidthFromCharacters(uint16_t characters);

// FONT record k (0-based) defines font index k, or k + 1 from the fifth
// record on: there is no font 4.
uint16_t fontIndexOfRecord(std::size_t record);

// Row heights and font sizes: points <-> twentieths of a point.
uint16_t twipsFromPoints(double points);
double pointsFromTwips(uint16_t twips);

// Font sizes: points <-> the FONT record's height, which the format allows
// from 1 to 409.55 points (or 0). A size outside that range is stored as the
// nearest end of it, and the reader takes a stored height the same way, so a
// size read back is the size the next save writes.
uint16_t storedFontHeight(double points);
double fontSizeFromStored(uint16_t twips);

// Colour indexes: palette entry n (1 to 56) is icv n + 7; anything else, the
// automatic colour included, is `automaticIcv`.
uint16_t icvFromColorIndex(int colorIndex, uint16_t automaticIcv);
// The palette entry an icv names: 8..63 -> 1..56, the fixed colours 0..7 ->
// entries 1..8 (which hold the same colours by default); others -> `otherwise`.
int colorIndexFromIcv(uint16_t icv, int otherwise);

// Border lines: the model's line style and weight <-> the file's line style.
uint8_t storedLine(const model::BorderLine& line);
model::BorderLine borderFromStored(uint8_t storedLine, int colorIndex);

// RK numbers: the 32-bit form when it gives back exactly this number.
std::optional<uint32_t> encodeRk(double value);
double decodeRk(uint32_t rk);

}  // namespace spreadsheet::xls::biff
