// The fields at work: every change stored at once, select-all on entry, the
// tab order, and a store that cannot be written.
#include "form1_harness.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::Form1Harness;

namespace {

// Shows the loaded window as the program does and waits until it is active.
void showActive(Form1Harness& h) {
    h.form->Form_Load();
    h.form->showAtStart();
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
}

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

}  // namespace

TEST(Form1Fields, every_keystroke_and_every_programmatic_change_is_stored_at_once) {
    Form1Harness h;
    h.form->Form_Load();
    h.memory.writes.clear();

    h.field("txtRent").clear();
    QTest::keyClicks(&h.field("txtRent"), QStringLiteral("9a"));
    EXPECT_EQ(h.memory.writes, (QStringList{"Rent=", "Rent=9", "Rent=9a"}));  // letters are taken as typed

    h.memory.writes.clear();
    h.field("txtName").setText(QStringLiteral("Smith & Sons, Inc."));
    h.field("txtName").setText(QStringLiteral("Smith & Sons, Inc."));  // no change, no write
    EXPECT_EQ(h.memory.writes, QStringList{QStringLiteral("Name=Smith & Sons, Inc.")});
    EXPECT_EQ(h.memory.values.value(QStringLiteral("Name")), QStringLiteral("Smith & Sons, Inc."));
}

TEST(Form1Fields, a_store_that_cannot_be_written_warns_once_keeps_the_text_and_retries) {
    Form1Harness h;
    h.form->Form_Load();
    h.memory.failWrites = true;
    QTest::keyClicks(&h.field("txtInsurance"), QStringLiteral("12"));
    EXPECT_EQ(h.field("txtInsurance").text(), QStringLiteral("50012"));
    ASSERT_EQ(h.messages.shown().size(), 1u);  // once, not once per keystroke
    EXPECT_TRUE(h.messages.texts()[0].contains(QStringLiteral("\"Insurance\" could not be saved")));
    EXPECT_EQ(h.messages.shown()[0].icon, shell::MessageIcon::Warning);

    h.memory.failWrites = false;
    QTest::keyClick(&h.field("txtInsurance"), Qt::Key_Backspace);  // the next change is stored
    EXPECT_EQ(h.memory.values.value(QStringLiteral("Insurance")), QStringLiteral("5001"));
    h.memory.failWrites = true;
    QTest::keyClick(&h.field("txtInsurance"), Qt::Key_Backspace);  // a new failure warns again
    EXPECT_EQ(h.messages.shown().size(), 2u);
}

TEST(Form1Fields, the_window_opens_on_the_sales_price_with_its_text_selected) {
    Form1Harness h;
    showActive(h);
    EXPECT_EQ(focusName(), QStringLiteral("txtSalesPrice"));
    EXPECT_EQ(h.field("txtSalesPrice").selectedText(), QStringLiteral("12.5"));
}

TEST(Form1Fields, tab_follows_the_designed_order_and_selects_all_except_in_name_and_shipping) {
    Form1Harness h;
    showActive(h);
    h.field("txtName").setText(QStringLiteral("Smith"));
    const QStringList expected = {"txtSalesVolume",   "txtCommission", "txtDirectMaterial", "txtShipping",
                                  "txtSupplies",      "txtOtherVariable", "txtAdministrativeCost", "txtInsurance",
                                  "txtPropertyTax",   "txtRent",        "txtOtherFixedCost", "PushButton22",
                                  "txtName",          "PushButton1",    "PushButton2",       "txtSalesPrice"};
    for (const QString& name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focusName(), name);
        auto* field = qobject_cast<input::InputField*>(QApplication::focusWidget());
        if (!field) continue;
        const bool keepsCaret = name == QLatin1String("txtName") || name == QLatin1String("txtShipping");
        EXPECT_EQ(field->selectedText(), keepsCaret ? QString() : field->text()) << name.toStdString();
    }
}
