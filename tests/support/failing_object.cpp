#include "failing_object.h"

#include "automation/automation_error.h"

namespace testing_support {
namespace {

class FailingObject final : public ObjectDecorator {
public:
    FailingObject(ObjectRef inner, std::shared_ptr<FailureState> state, std::string path)
        : ObjectDecorator(std::move(inner), std::move(path)), m_state(std::move(state)) {}

protected:
    void before(CallKind, std::string_view member, const Args&, const NamedArgs&, const Variant&) override {
        const FailurePlan& plan = m_state->plan;
        const int number = ++m_state->calls;
        const bool byCount = plan.failAtCall > 0 && number == plan.failAtCall;
        const bool byMember = !plan.failMember.empty() && automation::foldCase(member) == automation::foldCase(plan.failMember);
        if (byCount || byMember) {
            ++m_state->failures;
            throw AutomationError(plan.description);
        }
    }
    ObjectRef wrap(ObjectRef inner, std::string path) override {
        return std::make_shared<FailingObject>(std::move(inner), m_state, std::move(path));
    }

private:
    std::shared_ptr<FailureState> m_state;
};

}  // namespace

ObjectRef failCalls(ObjectRef inner, FailurePlan plan, std::shared_ptr<FailureState>* state) {
    auto shared = std::make_shared<FailureState>();
    shared->plan = std::move(plan);
    if (state) *state = shared;
    std::string path = inner ? inner->typeName() : std::string();
    return std::make_shared<FailingObject>(std::move(inner), shared, std::move(path));
}

}  // namespace testing_support
