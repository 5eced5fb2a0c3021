// The program works with megapixel pictures: the sheet's picture is painted,
// written, read back and shown, and every zoom step paints a new one. The
// C library hands blocks that large to the system and takes them back on
// free, so each new picture starts with a thousand page faults. Freed
// picture memory is kept with the process instead, for the next one.
//
//   int main() { shell::keepPictureMemory(); ... }
#pragma once

namespace shell {

// Raises the allocator's thresholds for handing memory back to the system
// above any picture's size; call once at start-up.
void keepPictureMemory();

}  // namespace shell
