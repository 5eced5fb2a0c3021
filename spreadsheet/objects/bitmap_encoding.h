// A picture as an uncompressed Windows bitmap: the 14-byte file header, the
// 40-byte information header, then 24-bit blue-green-red pixels, rows from
// the bottom up, each row padded to a multiple of four bytes. Every reader of
// the format takes this form, whatever it does with the others.
//
//   std::vector<uint8_t> bytes = encodeBitmap24(picture);   // 54 + rows × stride bytes
#pragma once

#include <QImage>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace spreadsheet::objects {

inline constexpr int kBitmapHeaderBytes = 14 + 40;

// Bytes of one pixel row: three per pixel, padded to four.
int bitmapRowStride(int width);

// The whole file. The picture must not be null; alpha is dropped.
std::vector<uint8_t> encodeBitmap24(const QImage& picture);

// The same handed to `write` a piece at a time (the headers, then runs of
// whole rows of about kBitmapChunkBytes), so that no picture-sized copy is
// made; stops and answers false as soon as `write` does.
inline constexpr size_t kBitmapChunkBytes = 256 * 1024;
bool encodeBitmap24(const QImage& picture, const std::function<bool(std::span<const uint8_t>)>& write);

}  // namespace spreadsheet::objects
