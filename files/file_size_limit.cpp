#include "files/file_size_limit.h"

#include <csignal>

namespace files {

void reportFileSizeLimitAsWriteError() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace files
