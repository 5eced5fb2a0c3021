// Reading the command line: which words open the windows, what each option
// means, and a clear refusal for everything that cannot be carried out.
#include "cli/command_line.h"
#include "qt_printers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using cli::GenerateRequest;

QStringList words(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* word : list) result << QString::fromUtf8(word);
    return result;
}

std::string refusal(const QStringList& arguments) {
    try {
        cli::parseCommandLine(arguments);
    } catch (const cli::UsageError& error) {
        return error.what();
    }
    return "(accepted)";
}

}  // namespace

TEST(CommandLine, no_arguments_and_qts_own_options_open_the_windows_everything_else_is_a_command) {
    EXPECT_FALSE(cli::wantsCommandLine({}));
    EXPECT_FALSE(cli::wantsCommandLine(words({"-platform", "xcb"})));
    EXPECT_FALSE(cli::wantsCommandLine(words({"-style=fusion"})));
    EXPECT_TRUE(cli::wantsCommandLine(words({"generate"})));
    EXPECT_TRUE(cli::wantsCommandLine(words({"--help"})));
    EXPECT_TRUE(cli::wantsCommandLine(words({"genrate"})));  // a typo is refused, not taken for the windows
}

TEST(CommandLine, generate_takes_each_option_in_either_spelling_and_keeps_the_sets_in_order) {
    QTemporaryDir folder;
    const QString book = folder.filePath("book.xls");
    const QString picture = folder.filePath("sheet.PNG");
    const cli::Command command = cli::parseCommandLine(
        {"generate", "--figures", "-", "--set", "Rent=950", "--set=Name=A=B", "--output=" + book, "--picture", picture});
    const auto& request = std::get<GenerateRequest>(command);
    EXPECT_EQ(request.figuresFile, std::optional<QString>(QStringLiteral("-")));
    ASSERT_EQ(request.sets.size(), 2u);
    EXPECT_EQ(request.sets[0], std::make_pair(QStringLiteral("Rent"), QStringLiteral("950")));
    EXPECT_EQ(request.sets[1], std::make_pair(QStringLiteral("Name"), QStringLiteral("A=B")));
    EXPECT_EQ(request.output, book);
    EXPECT_EQ(request.picture, std::optional<QString>(picture));

    const cli::Command plainCommand = cli::parseCommandLine({"generate", "--output", book});
    const auto& plain = std::get<GenerateRequest>(plainCommand);
    EXPECT_FALSE(plain.figuresFile.has_value()) << "the stored figures";
    EXPECT_FALSE(plain.picture.has_value());
    EXPECT_TRUE(std::holds_alternative<cli::ShowHelp>(cli::parseCommandLine(words({"--help"}))));
    EXPECT_TRUE(std::holds_alternative<cli::ShowVersion>(cli::parseCommandLine(words({"--version"}))));
}

TEST(CommandLine, refuses_what_cannot_be_carried_out_and_says_why) {
    QTemporaryDir folder;
    const QString book = folder.filePath("book.xls");
    const struct {
        QStringList arguments;
        const char* saying;
    } cases[] = {
        {words({"genrate"}), "Unknown command \"genrate\""},
        {{"generate", "--output", book, "--colour", "red"}, "Unknown option \"--colour\""},
        {words({"generate"}), "needs --output"},
        {words({"generate", "--output"}), "--output needs a value"},
        {{"generate", "--set", "Rent", "--output", book}, "--set needs KEY=TEXT, not \"Rent\""},
        {{"generate", "--set", "=5", "--output", book}, "--set needs KEY=TEXT"},
        {{"generate", "--output", folder.filePath("no/such/book.xls")}, "does not exist"},
        {{"generate", "--output", folder.path()}, "is a folder"},
        {{"generate", "--output", book, "--picture", folder.filePath("sheet.jpg")}, "must end in .png or .bmp"},
        {{"generate", "--output", book, "--picture", folder.filePath("gone/sheet.png")}, "does not exist"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_NE(refusal(c.arguments).find(c.saying), std::string::npos) << refusal(c.arguments);
    }
}

TEST(CommandLine, the_help_names_every_option_key_and_exit_status) {
    const QString help = cli::helpText();
    for (const char* part : {"--figures", "--set", "--output", "--picture", "\"Other Fixed Cost\"", "Exit status",
                             "standard input", ".bmp"})
        EXPECT_TRUE(help.contains(QLatin1String(part))) << part;
    EXPECT_TRUE(help.startsWith(cli::usageText()));
}
