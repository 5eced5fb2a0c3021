// The sheet's picture for a command run by the picture program (or the
// desktop program): the spreadsheet with pictures of ranges, an offscreen
// paint device, and a preview stand-in that keeps the picture for --picture.
//
//   return cli::runCommandLine(argc, argv, &cli::desktopPictures());
#pragma once

#include "cli/run_command_line.h"

namespace cli {

const PictureCapability& desktopPictures();

}  // namespace cli
