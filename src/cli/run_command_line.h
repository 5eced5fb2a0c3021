// The program's third way in, beside its two windows: `quorvane` with a
// command runs without any window or display.
//
//   if (cli::wantsCommandLine(arguments)) return cli::runCommandLine(argc, argv, nullptr);
#pragma once

#include <functional>
#include <memory>

namespace automation {
class Registry;
}

namespace cli {

class CommandPreview;

// What only the picture and desktop programs bring to a command: the
// sheet's picture, which needs fonts and a paint device. The command-line
// program has none of it and hands a request for a picture to the picture
// program.
struct PictureCapability {
    std::function<void(automation::Registry&)> registerSpreadsheet;  // with pictures of ranges
    std::function<int(int argc, char* argv[], const std::function<int()>& run)> withPaintDevice;
    std::function<std::unique_ptr<CommandPreview>()> makePreview;
};

// Reads the arguments, runs the command and answers the exit status: 0
// done, 1 a step failed, 2 a usage error (printed with the usage). Without
// pictures, a request for one is refused as a usage error.
int runCommandLine(int argc, char* argv[], const PictureCapability* pictures);

// True when the arguments are a well-formed generate request with --picture.
bool asksForPicture(int argc, char* argv[]);

}  // namespace cli
