// A write past the process's file-size limit (`ulimit -f`) ends the process
// with SIGXFSZ: no message, and the half-written fresh file stays behind.
// With the signal ignored the write fails with EFBIG instead, and every
// writer reports that and cleans up as it does any other failed write.
//
//   int main() { files::reportFileSizeLimitAsWriteError(); ... }
#pragma once

namespace files {

// Sets SIGXFSZ to be ignored for the whole process; call once at start-up.
void reportFileSizeLimitAsWriteError();

}  // namespace files
