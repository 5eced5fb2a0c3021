// Creating objects by class name and finding running instances.
#include "automation/automation_error.h"
#include "automation/registry.h"
#include "spreadsheet/objects/class_registration.h"
#include "test_objects.h"

#include <gtest/gtest.h>

using automation::AutomationError;
using automation::Registry;

namespace {

std::string creationFailure(const Registry& registry, const char* name) {
    try {
        registry.CreateObject(name);
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), automation::errors::kCannotCreateObject);
        return e.what();
    }
    return "created";
}

}  // namespace

TEST(Registry, creates_registered_classes_by_case_insensitive_name) {
    Registry registry;
    spreadsheet::objects::registerApplicationClass(registry);
    const automation::ObjectRef first = registry.CreateObject("excel.application");
    const automation::ObjectRef second = registry.CreateObject("Excel.Application");
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);  // every creation is a new instance
    EXPECT_EQ(first->get("Version").toString(), "16.0");
}

TEST(Registry, a_class_that_cannot_be_created_gives_one_clear_error) {
    Registry registry;
    EXPECT_EQ(creationFailure(registry, "Excel.Application"),
              "ActiveX component can't create object (Excel.Application)");
    registry.registerClass("Broken", []() -> automation::ObjectRef { throw std::runtime_error("no licence"); });
    EXPECT_EQ(creationFailure(registry, "Broken"), "ActiveX component can't create object (Broken): no licence");
    registry.registerClass("Empty", [] { return automation::ObjectRef(); });
    EXPECT_EQ(creationFailure(registry, "Empty"), "ActiveX component can't create object (Empty)");
    registry.registerClass("Gone", [] { return std::make_shared<test_objects::Counter>(); });
    registry.unregisterClass("GONE");
    EXPECT_EQ(creationFailure(registry, "Gone"), "ActiveX component can't create object (Gone)");
}

TEST(Registry, finds_a_running_instance_only_while_it_is_alive) {
    Registry registry;
    EXPECT_THROW(registry.GetObject("Counter.Application"), AutomationError);
    auto running = std::make_shared<test_objects::Counter>();
    registry.announceRunning("Counter.Application", running);
    EXPECT_EQ(registry.GetObject("counter.application"), running);
    running.reset();  // released: the registry held it weakly
    EXPECT_THROW(registry.GetObject("Counter.Application"), AutomationError);
}
