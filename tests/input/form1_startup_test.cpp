// Starting the program: the load procedure, the fill from the settings store,
// the window as designed, and the two ways the program ends.
#include "form1_harness.h"
#include "shell/app_title.h"
#include "shell/end_program.h"
#include "shell/main_services.h"
#include "shell/settings_store.h"
#include "shell/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

using testing_support::Form1Harness;

namespace {

const QStringList kNumberKeys = {"Sales Price", "Sales Volume", "Direct Material", "Commission",
                                 "Shipping",    "Supplies",     "Other Variable",  "Administrative Cost",
                                 "Insurance",   "Property Tax", "Rent",            "Other Fixed Cost"};

QStringList fieldTexts(Form1Harness& h) {
    QStringList texts;
    for (const char* name : {"txtSalesPrice", "txtSalesVolume", "txtCommission", "txtDirectMaterial", "txtShipping",
                             "txtSupplies", "txtOtherVariable", "txtAdministrativeCost", "txtInsurance",
                             "txtPropertyTax", "txtRent", "txtOtherFixedCost", "txtName"})
        texts << h.field(name).text();
    return texts;
}

}  // namespace

TEST(Form1Startup, a_first_start_shows_the_defaults_and_stores_the_twelve_number_keys) {
    QTemporaryDir home;
    shell::IniSettingsStore store(home.filePath(QStringLiteral("Wrenfield.ini")));
    Form1Harness h({}, &store);
    h.form->Form_Load();

    EXPECT_EQ(fieldTexts(h), (QStringList{"12.5", "1000", "2", "2.5", "1.1", "0.8", "1.2", "1200", "500", "150",
                                          "800", "750", ""}));
    QSettings ini(store.filePath(), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Quorvane"));
    QStringList stored = ini.childKeys();
    stored.sort();
    QStringList expected = kNumberKeys;
    expected.sort();
    EXPECT_EQ(stored, expected);  // "Name" stays absent until the name field holds text
    EXPECT_EQ(ini.value(QStringLiteral("Sales Price")).toString(), QStringLiteral("12.5"));
    EXPECT_TRUE(h.messages.shown().empty());
    EXPECT_FALSE(h.form->mCreated);
}

// A settings file the store cannot read in full is kept as it was before the
// fill writes anything back, and the user is told once where it went.
TEST(Form1Startup, an_unreadable_settings_file_is_kept_the_user_told_once_and_the_readable_figures_used) {
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Wrenfield.ini"));
    const QByteArray original = "[Quorvane]\nName=\"Smith & Sons\nRent=640\nSales%20Price=9.5\n\x9b\x01junk\n";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(original);
    }
    shell::IniSettingsStore store(path);
    {
        Form1Harness h({}, &store);
        h.form->Form_Load();
        ASSERT_EQ(h.messages.shown().size(), 1u) << h.messages.texts().join("\n").toStdString();
        const QString text = h.messages.shown()[0].text;
        EXPECT_EQ(h.messages.shown()[0].icon, shell::MessageIcon::Warning);
        const QString copy = text.section(QLatin1String(input::kUnreadableSettingsStart), 1)
                                 .section(QLatin1String(input::kUnreadableSettingsEnd), 0, 0);
        EXPECT_TRUE(copy.startsWith(path + QStringLiteral(".unreadable-"))) << text.toStdString();
        QFile kept(copy);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), original);

        EXPECT_EQ(h.field("txtRent").text(), QStringLiteral("640"));
        EXPECT_EQ(h.field("txtSalesPrice").text(), QStringLiteral("9.5"));
        EXPECT_EQ(h.field("txtName").text(), QString()) << "nothing swallowed into the name";
        EXPECT_EQ(h.field("txtInsurance").text(), QStringLiteral("500"));
    }
    Form1Harness again({}, &store);
    again.form->Form_Load();
    EXPECT_TRUE(again.messages.shown().empty()) << "told once";
    EXPECT_EQ(again.field("txtRent").text(), QStringLiteral("640"));
}

TEST(Form1Startup, fills_in_alphabetical_order_of_the_field_names) {
    Form1Harness h;
    h.form->Form_Load();
    QStringList keys;
    for (const QString& write : h.memory.writes) keys << write.section(QLatin1Char('='), 0, 0);
    EXPECT_EQ(keys, (QStringList{"Administrative Cost", "Commission", "Direct Material", "Insurance",
                                 "Other Fixed Cost", "Other Variable", "Property Tax", "Rent", "Sales Price",
                                 "Sales Volume", "Shipping", "Supplies"}));
}

TEST(Form1Startup, fractional_defaults_use_the_users_decimal_separator) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form1Harness h;
    h.form->Form_Load();
    QLocale::setDefault(saved);
    EXPECT_EQ(h.field("txtSalesPrice").text(), QStringLiteral("12,5"));
    EXPECT_EQ(h.field("txtSupplies").text(), QStringLiteral("0,8"));
    EXPECT_EQ(h.field("txtAdministrativeCost").text(), QStringLiteral("1200"));  // no digit grouping
}

TEST(Form1Startup, stored_empty_values_give_empty_fields_not_defaults) {
    Form1Harness h;
    for (const QString& key : kNumberKeys) h.memory.values.insert(key, QString());
    h.memory.values.insert(QStringLiteral("Name"), QStringLiteral("Smith & Sons, Inc."));
    h.form->Form_Load();
    QStringList expected(12, QString());
    expected << QStringLiteral("Smith & Sons, Inc.");
    EXPECT_EQ(fieldTexts(h), expected);
    EXPECT_EQ(h.memory.writes, QStringList{QStringLiteral("Name=Smith & Sons, Inc.")});  // empty to empty is no change
}

TEST(Form1Startup, a_store_that_cannot_be_read_costs_one_report_per_field_and_start_up_goes_on) {
    Form1Harness h;
    h.memory.failReads = true;
    h.form->Form_Load();
    ASSERT_EQ(h.messages.shown().size(), 13u);
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(h.messages.texts()[i].startsWith(
            QStringLiteral("The settings store cannot be read.\r\nin Tarnwick2021/08/31.Form1.Form_Load at line %1\r\r")
                .arg(128 + 2 * i)))
            << h.messages.texts()[i].toStdString();
    EXPECT_EQ(h.form->windowTitle(), QStringLiteral("Quorvane"));
}

TEST(Form1Startup, without_a_spreadsheet_the_program_ends_with_its_message_and_no_window) {
    Form1Harness h;
    h.registry.unregisterClass("Excel.Application");
    EXPECT_THROW(h.form->Form_Load(), shell::EndProgram);
    ASSERT_EQ(h.messages.shown().size(), 1u);
    EXPECT_TRUE(h.messages.texts()[0].startsWith(QStringLiteral("Error 842001.")));
    EXPECT_FALSE(h.form->isVisible());
}

TEST(Form1Startup, caption_icon_title_and_the_designed_geometry) {
    Form1Harness h;
    h.form->Form_Load();
    EXPECT_EQ(h.form->windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_FALSE(h.form->windowIcon().isNull());
    EXPECT_EQ(shell::appTitle(), QStringLiteral("Quorvane"));

    EXPECT_EQ(h.form->size(), QSize(536, 426));  // 8040 x 6390 twips
    EXPECT_EQ(h.form->button(QStringLiteral("PushButton22"))->geometry(), shell::twipRect(120, 120, 7800, 405));
    EXPECT_EQ(h.form->button(QStringLiteral("PushButton2"))->text(), QStringLiteral("Load Sample/Example Data"));
    EXPECT_EQ(h.form->frame(3)->geometry(), shell::twipRect(120, 4620, 7800, 1670));
    EXPECT_EQ(h.form->frame(4)->title(), QStringLiteral("Name Of Analysis"));
    EXPECT_EQ(h.field("txtRent").geometry(), shell::twipRect(6345, 270, 1305, 345));
    EXPECT_EQ(h.field("txtName").parentWidget(), h.form->frame(4));
    EXPECT_EQ(h.form->label(11)->text(), QStringLiteral("Administrative costs:"));
    EXPECT_EQ(h.form->label(8), nullptr);
    EXPECT_DOUBLE_EQ(h.form->font().pointSizeF(), 9.0);
    EXPECT_TRUE(h.form->font().bold());
    EXPECT_DOUBLE_EQ(h.form->button(QStringLiteral("PushButton1"))->font().pointSizeF(), 11.25);
}

TEST(Form1Startup, captions_are_never_clipped_and_never_cover_their_field) {
    Form1Harness h;
    h.form->Form_Load();
    for (input::InputField* field : h.form->fields()) {
        if (field->info().label.index == 0) continue;
        QLabel* label = h.form->label(field->info().label.index);
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        EXPECT_LT(label->geometry().right(), field->geometry().left()) << label->text().toStdString();
        EXPECT_GE(label->geometry().left(), 0) << label->text().toStdString();
    }
}

TEST(Form1Startup, the_window_is_white_without_the_skin_and_button_face_with_it) {
    Form1Harness plain;
    plain.form->Form_Load();
    EXPECT_EQ(plain.form->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(plain.form->frame(2)->palette().color(QPalette::Window), QColor(Qt::white));

    Form1Harness skinned({.skin = true, .cursor = false});
    skinned.form->Form_Load();
    EXPECT_EQ(skinned.form->palette().color(QPalette::Window), shell::buttonFaceColor());
    EXPECT_EQ(skinned.form->frame(2)->palette().color(QPalette::Window), shell::buttonFaceColor());
    EXPECT_EQ(skinned.form->label(1)->palette().color(QPalette::Window), shell::buttonFaceColor());
    EXPECT_FALSE(skinned.form->styleSheet().isEmpty());
    // What the user sees: a pixel inside a frame, clear of its controls, has the colour.
    const QImage picture = skinned.form->grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(shell::twipsToPixels(120 + 4000), shell::twipsToPixels(2865 + 1300))),
              shell::buttonFaceColor());
}

TEST(Form1Startup, closing_the_window_ends_the_program) {
    Form1Harness h;
    h.form->Form_Load();
    h.form->showAtStart();
    h.form->close();
    EXPECT_EQ(h.endRequests, 1);
}
