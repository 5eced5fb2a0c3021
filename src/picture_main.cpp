// quorvane-picture: a command that asks for the sheet's picture
// (`quorvane generate ... --picture SHEET.png`), handed over by the command
// everyone runs. It brings fonts and a paint device (Qt GUI) but no window
// library, which the dynamic loader would otherwise bind at every start.
#include "cli/desktop_pictures.h"
#include "cli/run_command_line.h"
#include "files/file_size_limit.h"
#include "shell/picture_memory.h"

int main(int argc, char* argv[]) {
    files::reportFileSizeLimitAsWriteError();
    shell::keepPictureMemory();
    return cli::runCommandLine(argc, argv, &cli::desktopPictures());
}
