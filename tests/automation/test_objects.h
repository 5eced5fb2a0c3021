// Small automation classes for the boundary's own tests: a counter with a
// child object, so that chains of calls can be dispatched, recorded and failed.
#pragma once

#include "automation/member_table.h"

#include <memory>

namespace test_objects {

using automation::Args;
using automation::NamedArgs;
using automation::Variant;

class Child final : public automation::TableObject<Child> {
public:
    static const automation::MemberTable<Child>& members() {
        using T = automation::MemberTable<Child>;
        static const T table("Child", {
            T::property("Size", [](Child& c, const Args&) { return Variant(c.size); },
                        [](Child& c, const Variant& v, const Args&) { c.size = v.toDouble(); }),
        });
        return table;
    }
    double size = 0;
};

class Counter final : public automation::TableObject<Counter> {
public:
    static const automation::MemberTable<Counter>& members() {
        using T = automation::MemberTable<Counter>;
        static const T table("Counter", {
            T::property("Value", [](Counter& c, const Args&) { return Variant(c.value); },
                        [](Counter& c, const Variant& v, const Args&) { c.value = v.toI4(); }),
            T::property("ReadOnly", [](Counter&, const Args&) { return Variant("fixed"); }),
            T::property("Item", [](Counter&, const Args& a) { return Variant(a[0].toI4() * 10); }, {}, 1, 1),
            T::property("Child", [](Counter& c, const Args&) { return Variant(automation::ObjectRef(c.child)); }),
            T::method("Add",
                      [](Counter& c, const Args& a, const NamedArgs& n) {
                          const Variant step = automation::namedArg(n, "Step");
                          c.value += a.empty() ? (step.isMissing() ? 1 : step.toI4()) : a[0].toI4();
                          return Variant(c.value);
                      },
                      0, 1, {"Step"}),
        });
        return table;
    }
    int32_t value = 0;
    std::shared_ptr<Child> child = std::make_shared<Child>();
};

}  // namespace test_objects
