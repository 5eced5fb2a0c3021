// Failing decorator for tests: makes chosen calls made through an object (and
// the objects it hands back) throw AutomationError, so that resume-after-failure
// rules can be tested without restating the code under test.
//
//   ObjectRef app = failCalls(realApp, {.failAtCall = 3, .failMember = "", .description = "Boom"});
#pragma once

#include "object_decorator.h"

#include <memory>
#include <string>

namespace testing_support {

struct FailurePlan {
    int failAtCall = 0;          // the Nth call through the whole tree fails (1-based); 0: none
    std::string failMember;      // every call of this member fails (case-insensitive); empty: none
    std::string description = "Simulated failure";
};

// Counts the calls made through one failing tree.
struct FailureState {
    FailurePlan plan;
    int calls = 0;
    int failures = 0;
};

ObjectRef failCalls(ObjectRef inner, FailurePlan plan, std::shared_ptr<FailureState>* state = nullptr);

}  // namespace testing_support
