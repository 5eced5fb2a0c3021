// The figures of a run without windows: from JSON with a refusal that says
// where and what, from the settings store as the window would fill its
// fields, and overridden one by one.
#include "cli/command_line.h"
#include "cli/figures.h"
#include "fake_message_service.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

namespace {

std::string refusalOf(const QByteArray& json) {
    try {
        cli::figuresFromJson(json, QStringLiteral("acme.json"));
    } catch (const cli::UsageError& error) {
        return error.what();
    }
    return "(accepted)";
}

}  // namespace

TEST(Figures, a_json_object_gives_each_text_exactly_and_a_key_left_out_is_an_empty_field) {
    const cli::Figures figures = cli::figuresFromJson(
        R"({"Name": "Smith & Sons, Inc.", "Sales Price": " 12,50 $", "Rent": "=A1", "Other Fixed Cost": ""})",
        QStringLiteral("acme.json"));
    EXPECT_EQ(figures.textOfField(QStringLiteral("txtName")), QStringLiteral("Smith & Sons, Inc."));
    EXPECT_EQ(figures.textOfField(QStringLiteral("txtSalesPrice")), QStringLiteral(" 12,50 $"));
    EXPECT_EQ(figures.textOfField(QStringLiteral("txtRent")), QStringLiteral("=A1"));
    EXPECT_EQ(figures.textOfField(QStringLiteral("txtInsurance")), QString());
    EXPECT_EQ(figures.textOfField(QStringLiteral("txtNoSuchField")), QString());
}

TEST(Figures, json_that_cannot_be_used_is_refused_with_the_place_the_key_or_the_value) {
    EXPECT_NE(refusalOf("{\"Name\": \"x\",\n  \"Rent\": 800,,}").find("acme.json: not valid JSON at line 2, column"),
              std::string::npos)
        << refusalOf("{\"Name\": \"x\",\n  \"Rent\": 800,,}");
    EXPECT_NE(refusalOf("{\"Sales price\": \"3\"}").find("unknown key \"Sales price\" (did you mean \"Sales Price\"?)"),
              std::string::npos);
    EXPECT_NE(refusalOf("{\"Discount\": \"3\"}").find("unknown key \"Discount\". The keys are"), std::string::npos);
    EXPECT_NE(refusalOf("{\"Rent\": 800}").find("the value of \"Rent\" must be a text"), std::string::npos);
    EXPECT_NE(refusalOf("{\"Rent\": null}").find("the value of \"Rent\""), std::string::npos);
    EXPECT_NE(refusalOf("[\"800\"]").find("one JSON object of texts"), std::string::npos);
    EXPECT_NE(refusalOf("").find("not valid JSON at line 1, column 1"), std::string::npos);
}

TEST(Figures, the_stored_figures_are_the_window_s_fill_with_its_first_start_defaults) {
    testing_support::MemorySettingsStore store;
    store.values.insert(QStringLiteral("Rent"), QStringLiteral("640"));
    store.values.insert(QStringLiteral("Name"), QStringLiteral("Acme"));
    store.values.insert(QStringLiteral("Insurance"), QString());  // stored empty: not the default
    const cli::Figures figures = cli::storedFigures(store);
    EXPECT_EQ(figures.text(QStringLiteral("Rent")), QStringLiteral("640"));
    EXPECT_EQ(figures.text(QStringLiteral("Name")), QStringLiteral("Acme"));
    EXPECT_EQ(figures.text(QStringLiteral("Insurance")), QString());
    EXPECT_EQ(figures.text(QStringLiteral("Sales Price")), QStringLiteral("12.5"));
    EXPECT_EQ(figures.text(QStringLiteral("Administrative Cost")), QStringLiteral("1200"));
    EXPECT_TRUE(store.writes.isEmpty()) << "the store is only read";
}

TEST(Figures, a_set_overrides_one_figure_and_an_unknown_key_is_refused) {
    cli::Figures figures = cli::figuresFromJson(R"({"Rent": "800"})", QStringLiteral("-"));
    cli::setFigure(figures, QStringLiteral("Rent"), QStringLiteral("950"));
    cli::setFigure(figures, QStringLiteral("Name"), QStringLiteral("Acme"));
    EXPECT_EQ(figures.text(QStringLiteral("Rent")), QStringLiteral("950"));
    EXPECT_EQ(figures.text(QStringLiteral("Name")), QStringLiteral("Acme"));
    EXPECT_THROW(cli::setFigure(figures, QStringLiteral("rent"), QStringLiteral("1")), cli::UsageError);
}
