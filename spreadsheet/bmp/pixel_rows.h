// One row of a 24-bit bitmap to and from 32-bit pixels. A 32-bit pixel
// (Qt's RGB32, little-endian) lies in memory as blue, green, red, alpha; a
// bitmap row holds blue, green, red: packing drops every fourth byte and
// unpacking puts an opaque one back. These loops carry every pixel of the
// sheet's picture twice per generation, so they take four pixels at a time,
// sixteen where the processor has byte shuffles.
//
//   packRow(scanLine, width, fileRow);     // width × 4 bytes -> width × 3
//   unpackRow(fileRow, width, scanLine);   // width × 3 bytes -> width × 4, alpha 0xFF
#pragma once

#include <cstdint>

namespace spreadsheet::bmp {

void packRow(const uint32_t* pixels, int width, uint8_t* out);
void unpackRow(const uint8_t* in, int width, uint32_t* pixels);

// The plain loops alone, whatever the processor offers (for the tests that
// hold both ways to the same result).
void packRowPortable(const uint32_t* pixels, int width, uint8_t* out);
void unpackRowPortable(const uint8_t* in, int width, uint32_t* pixels);

}  // namespace spreadsheet::bmp
