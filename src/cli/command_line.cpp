#include "cli/command_line.h"

#include <QDir>
#include <QFileInfo>

namespace cli {
namespace {

std::string quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

// The value after an option, given either as "--option value" or "--option=value".
QString valueOf(const QString& option, const QStringList& arguments, qsizetype& i, const QString& inlineValue,
                bool hasInlineValue) {
    if (hasInlineValue) return inlineValue;
    if (i + 1 >= arguments.size()) throw UsageError(option.toStdString() + " needs a value.");
    return arguments[++i];
}

std::pair<QString, QString> keyAndText(const QString& assignment) {
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (equals <= 0) throw UsageError("--set needs KEY=TEXT, not " + quoted(assignment) + ".");
    return {assignment.left(equals), assignment.mid(equals + 1)};
}

bool endsWithCaseless(const QString& path, const char* suffix) {
    return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

// A file to be written must go into a folder that exists, and must not be one.
void checkWritablePlace(const QString& option, const QString& path) {
    if (path.isEmpty()) throw UsageError(option.toStdString() + " needs a file name.");
    const QFileInfo file(path);
    if (file.isDir()) throw UsageError(quoted(path) + " is a folder; " + option.toStdString() + " needs a file name.");
    if (!file.absoluteDir().exists())
        throw UsageError("The folder of " + quoted(path) + " does not exist.");
}

GenerateRequest parseGenerate(const QStringList& arguments) {
    GenerateRequest request;
    bool haveOutput = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const bool hasInline = argument.startsWith(QLatin1String("--")) && equals > 2;
        const QString option = hasInline ? argument.left(equals) : argument;
        const QString inlineValue = hasInline ? argument.mid(equals + 1) : QString();
        if (option == QLatin1String("--figures")) {
            request.figuresFile = valueOf(option, arguments, i, inlineValue, hasInline);
        } else if (option == QLatin1String("--set")) {
            request.sets.push_back(keyAndText(valueOf(option, arguments, i, inlineValue, hasInline)));
        } else if (option == QLatin1String("--output")) {
            request.output = valueOf(option, arguments, i, inlineValue, hasInline);
            haveOutput = true;
        } else if (option == QLatin1String("--picture")) {
            request.picture = valueOf(option, arguments, i, inlineValue, hasInline);
        } else {
            throw UsageError("Unknown option " + quoted(argument) + " for generate.");
        }
    }
    if (!haveOutput) throw UsageError("generate needs --output BOOK.xls.");
    checkWritablePlace(QStringLiteral("--output"), request.output);
    if (request.picture) {
        checkWritablePlace(QStringLiteral("--picture"), *request.picture);
        if (!endsWithCaseless(*request.picture, ".png") && !endsWithCaseless(*request.picture, ".bmp"))
            throw UsageError("The picture " + quoted(*request.picture) + " must end in .png or .bmp.");
    }
    return request;
}

}  // namespace

bool wantsCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return false;
    const QString& first = arguments.front();
    return !(first.startsWith(QLatin1Char('-')) && !first.startsWith(QLatin1String("--")));
}

Command parseCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) throw UsageError("No command was given.");
    const QString& first = arguments.front();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help"))
        return ShowHelp{};
    if (first == QLatin1String("--version")) return ShowVersion{};
    if (first == QLatin1String("generate")) return parseGenerate(arguments);
    throw UsageError("Unknown command " + quoted(first) + ".");
}

QString usageText() {
    return QStringLiteral(
        "Usage: quorvane generate [--figures FILE] [--set KEY=TEXT]... --output BOOK.xls [--picture SHEET.png]\n"
        "       quorvane --help | --version\n"
        "       quorvane                      (the windows)\n");
}

QString helpText() {
    return usageText() + QStringLiteral(R"(
Quorvane turns thirteen business figures into a break-even workbook: an
Excel 97-2003 file with live formulas, formatting, two pie charts, a
line-chart sheet and a one-page print setup.

Without arguments it opens its input window. With the command generate it
builds the same workbook without any window or display, by the same steps
as "Start Creating Template", and writes it where --output says.

  --figures FILE     the figures as a JSON object of texts, keyed as below;
                     "-" reads standard input; a key left out is an empty field
                     (without --figures: the figures the input window keeps,
                     with its defaults for a first start; they are only read)
  --set KEY=TEXT     one figure, over what --figures or the stored figures
                     say; may be given more than once
  --output BOOK.xls  the workbook: Excel 97-2003, or an Excel Workbook (Office
                     Open XML) when the name ends in .xlsx; an existing file is
                     replaced in one step once the new one is complete
  --picture FILE     also the sheet's picture as the preview shows it:
                     PNG, or BMP when the name ends in .bmp

Keys: "Name", "Sales Price", "Sales Volume", "Direct Material",
"Commission", "Shipping", "Supplies", "Other Variable",
"Administrative Cost", "Insurance", "Property Tax", "Rent",
"Other Fixed Cost". The texts go into the sheet exactly as typed.

Example:
  quorvane generate --figures acme.json --set "Sales Volume=1200" \
                    --output acme.xls --picture acme.png

Exit status: 0 when the workbook was written; 1 when a step failed (each
failure is printed on one line of standard error, in the words of the
window's error report, and no workbook is written); 2 for a usage error.
)");
}

}  // namespace cli
