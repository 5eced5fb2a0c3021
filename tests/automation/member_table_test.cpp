// Dispatch through member tables: lookup, argument checks and the errors a
// client sees.
#include "automation/automation_error.h"
#include "spreadsheet/objects/application.h"
#include "test_objects.h"

#include <gtest/gtest.h>

using automation::AutomationError;
using automation::Variant;
using test_objects::Counter;

namespace {

std::pair<int, std::string> failureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return {e.number(), e.what()};
    }
    return {0, ""};
}

}  // namespace

TEST(MemberTable, members_are_found_whatever_their_case) {
    Counter counter;
    counter.put("VALUE", int32_t{4});
    EXPECT_EQ(counter.get("value").toI4(), 4);
    EXPECT_EQ(counter.call("aDD").toI4(), 5);
}

TEST(MemberTable, properties_take_index_arguments_and_methods_named_ones) {
    Counter counter;
    EXPECT_EQ(counter.get("Item", {int16_t{2}}).toI4(), 20);
    EXPECT_EQ(counter.call("Item", {int16_t{3}}).toI4(), 30);  // a call reaches a property read
    EXPECT_EQ(counter.call("Add", {}, {{"step", int16_t{7}}}).toI4(), 7);
    EXPECT_EQ(counter.get("Add").toI4(), 8);  // a read reaches a method
}

TEST(MemberTable, refuses_what_the_class_does_not_offer_with_a_readable_error) {
    Counter counter;
    EXPECT_EQ(failureOf([&] { counter.get("Colour"); }),
              std::make_pair(438, std::string("Object doesn't support this property or method (Counter.Colour)")));
    EXPECT_EQ(failureOf([&] { counter.get("Item"); }).first, automation::errors::kWrongArgumentCount);
    EXPECT_EQ(failureOf([&] { counter.call("Add", {1, 2}); }).first, automation::errors::kWrongArgumentCount);
    EXPECT_EQ(failureOf([&] { counter.call("Add", {}, {{"Stride", 1}}); }).first,
              automation::errors::kNamedArgumentNotFound);
    EXPECT_EQ(failureOf([&] { counter.put("ReadOnly", "x"); }).second,
              "Unable to set the ReadOnly property of the Counter class");
    EXPECT_EQ(failureOf([&] { counter.put("Value", "ten"); }).first, automation::errors::kTypeMismatch);
}

TEST(MemberTable, the_spreadsheet_application_answers_its_name_version_and_quit) {
    auto app = std::make_shared<spreadsheet::objects::Application>();
    EXPECT_EQ(app->typeName(), "Application");
    EXPECT_EQ(app->get("Name").toString(), "Microsoft Excel");
    EXPECT_EQ(app->get("Version").toString(), "16.0");
    EXPECT_FALSE(app->get("Visible").toBool());
    app->call("Quit");
    EXPECT_TRUE(app->hasQuit());
}
