// The command line of `quorvane`: what was asked for, or why the words make
// no sense. Without arguments, or with Qt's own single-dash options, the
// program opens its windows; everything else is read here.
//
//   quorvane generate [--figures FILE] [--set KEY=TEXT]... --output BOOK.xls [--picture SHEET.png]
//   quorvane --help | --version
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

namespace cli {

// The words cannot be carried out as written; the text says why. The
// command prints it with the usage and exits 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ShowHelp {};
struct ShowVersion {};

struct GenerateRequest {
    std::optional<QString> figuresFile;              // "-": standard input; none: the stored figures
    std::vector<std::pair<QString, QString>> sets;   // --set KEY=TEXT, in the order given
    QString output;                                  // the workbook to write
    std::optional<QString> picture;                  // the sheet picture to write (.png or .bmp)
};

using Command = std::variant<ShowHelp, ShowVersion, GenerateRequest>;

// True when the arguments (without the program's name) ask for the command
// line rather than the windows.
bool wantsCommandLine(const QStringList& arguments);

// Reads the arguments (without the program's name). Throws UsageError.
Command parseCommandLine(const QStringList& arguments);

// The usage lines shown with every usage error, and the whole help text.
QString usageText();
QString helpText();

}  // namespace cli
