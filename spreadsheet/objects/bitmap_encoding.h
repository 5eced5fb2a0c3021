// A picture as an uncompressed Windows bitmap: the 14-byte file header, the
// 40-byte information header, then 24-bit blue-green-red pixels, rows from
// the bottom up, each row padded to a multiple of four bytes. Every reader of
// the format takes this form, whatever it does with the others.
//
//   std::vector<uint8_t> bytes = encodeBitmap24(picture);   // 54 + rows × stride bytes
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace spreadsheet::objects {

inline constexpr int kBitmapHeaderBytes = 14 + 40;

// Bytes of one pixel row: three per pixel, padded to four.
int bitmapRowStride(int width);

// The whole file. The picture must not be null; alpha is dropped.
std::vector<uint8_t> encodeBitmap24(const QImage& picture);

}  // namespace spreadsheet::objects
