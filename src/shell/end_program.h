// EndProgram: thrown to end the program at once from deep inside a procedure
// (the start-up check does so before any window is shown). It deliberately
// derives from nothing, so no error trap catches it; main() turns it into the
// process exit code.
#pragma once

namespace shell {

struct EndProgram {
    int exitCode = 0;
};

}  // namespace shell
