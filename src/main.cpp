// Quorvane: the command everyone runs. A workbook from the command line
// (`quorvane generate ... --output BOOK.xls`, --help, --version) is made
// here, with Qt Core alone: no GUI library, fonts or platform plugin is
// loaded, which would take longer than the whole generation. The windows
// are the desktop program's and a command that asks for the sheet's picture
// is the picture program's: it takes this process's place, with the same
// arguments.
#include "cli/command_line.h"
#include "cli/run_command_line.h"
#include "files/file_size_limit.h"

#include <QStringList>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kDesktopProgram = "quorvane-desktop";
constexpr const char* kPictureProgram = "quorvane-picture";

// The other programs lie beside this one (in the build and where installed).
std::string programBeside(const char* program) {
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return program;
    std::string path(self, size_t(length));
    return path.substr(0, path.rfind('/') + 1) + program;
}

int startProgram(const char* program, char* argv[]) {
    const std::string path = programBeside(program);
    ::execv(path.c_str(), argv);
    std::fprintf(stderr, "quorvane: cannot start %s: %s\n", path.c_str(), std::strerror(errno));
    return 127;
}

}  // namespace

int main(int argc, char* argv[]) {
    files::reportFileSizeLimitAsWriteError();
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!cli::wantsCommandLine(arguments)) return startProgram(kDesktopProgram, argv);
    if (cli::asksForPicture(argc, argv)) return startProgram(kPictureProgram, argv);
    return cli::runCommandLine(argc, argv, nullptr);
}
