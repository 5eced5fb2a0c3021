// The recording and failing decorators follow every object a call hands back.
#include "automation/automation_error.h"
#include "failing_object.h"
#include "recording_object.h"
#include "test_objects.h"

#include <gtest/gtest.h>

using automation::AutomationError;
using automation::ObjectRef;

TEST(RecordingObject, logs_calls_with_their_argument_types_through_returned_objects) {
    auto counter = std::make_shared<test_objects::Counter>();
    auto log = std::make_shared<testing_support::CallLog>();
    ObjectRef recorded = testing_support::recordCalls(counter, log, "Counter");

    recorded->put("Value", int16_t{3});
    automation::member(recorded, "Child")->put("Size", 10.5);
    recorded->call("Add", {}, {{"Step", int32_t{2}}});
    recorded->get("Item", {"4"});

    EXPECT_EQ(log->lines(), (std::vector<std::string>{
                                "put Counter.Value = I2(3)",
                                "get Counter.Child",
                                "put Counter.Child.Size = R8(10.5)",
                                "call Counter.Add(Step:=I4(2))",
                                "get Counter.Item(BSTR(\"4\"))",
                            }));
    EXPECT_EQ(counter->value, 5);  // the calls reached the real object
    EXPECT_DOUBLE_EQ(counter->child->size, 10.5);
}

TEST(FailingObject, fails_the_nth_call_across_the_whole_tree_and_nothing_else) {
    auto counter = std::make_shared<test_objects::Counter>();
    std::shared_ptr<testing_support::FailureState> state;
    ObjectRef failing = testing_support::failCalls(counter, {.failAtCall = 3, .failMember = "", .description = "Disk full"}, &state);

    ObjectRef child = automation::member(failing, "Child");  // call 1
    child->put("Size", 1.0);                                  // call 2
    try {
        child->put("Size", 2.0);                              // call 3 fails
        FAIL() << "the third call should fail";
    } catch (const AutomationError& e) {
        EXPECT_STREQ(e.what(), "Disk full");
    }
    failing->call("Add");                                     // call 4 passes again
    EXPECT_DOUBLE_EQ(counter->child->size, 1.0);              // the failed call never reached the object
    EXPECT_EQ(counter->value, 1);
    EXPECT_EQ(state->calls, 4);
    EXPECT_EQ(state->failures, 1);
}

TEST(FailingObject, fails_every_call_of_a_named_member) {
    auto counter = std::make_shared<test_objects::Counter>();
    ObjectRef failing = testing_support::failCalls(counter, {.failAtCall = 0, .failMember = "size", .description = "Simulated failure"});
    ObjectRef child = automation::member(failing, "Child");
    EXPECT_THROW(child->put("Size", 1.0), AutomationError);
    EXPECT_THROW(child->get("Size"), AutomationError);
    EXPECT_NO_THROW(failing->put("Value", 2));
    EXPECT_EQ(counter->value, 2);
}

TEST(RecordingObject, a_recorded_object_passed_as_an_argument_is_not_kept_alive_by_the_log) {
    // Before the fix the log held the argument, the argument held the log, and neither was ever freed.
    std::weak_ptr<test_objects::Counter> watched;
    {
        auto counter = std::make_shared<test_objects::Counter>();
        watched = counter;
        auto log = std::make_shared<testing_support::CallLog>();
        ObjectRef recorded = testing_support::recordCalls(counter, log, "Counter");
        EXPECT_THROW(recorded->put("Value", automation::Variant(recorded)), AutomationError);  // no number
    }
    EXPECT_TRUE(watched.expired());
}
