// The program's third way in, beside its two windows: `quorvane` with a
// command runs without any window or display.
//
//   if (cli::wantsCommandLine(arguments)) return cli::runCommandLine(argc, argv);
#pragma once

namespace cli {

// Reads the arguments, runs the command and answers the exit status: 0
// done, 1 a step failed, 2 a usage error (printed with the usage).
int runCommandLine(int argc, char* argv[]);

}  // namespace cli
