#include "shell/same_file.h"

#include <QFile>
#include <filesystem>

namespace shell {

bool isSameFile(const QString& first, const QString& second) {
    std::error_code error;
    return std::filesystem::equivalent(QFile::encodeName(first).toStdString(), QFile::encodeName(second).toStdString(),
                                       error) &&
           !error;
}

}  // namespace shell
