#include "recording_object.h"

namespace testing_support {
namespace {

std::string describeArgs(const Args& args) {
    std::string out;
    for (const Variant& arg : args) out += (out.empty() ? "" : ", ") + arg.describe();
    return out;
}

std::string describeNamed(const NamedArgs& named) {
    std::string out;
    for (const NamedArg& arg : named) out += (out.empty() ? "" : ", ") + arg.name + ":=" + arg.value.describe();
    return out;
}

// The log keeps what was passed, but not the objects themselves: a recorded
// object passed as an argument holds the log, and the log holding it back
// would keep both alive for ever. The record's text still names it OBJECT.
Variant withoutObject(const Variant& v) { return v.isObject() ? Variant(ObjectRef()) : v; }

Args withoutObjects(const Args& args) {
    Args out;
    for (const Variant& v : args) out.push_back(withoutObject(v));
    return out;
}

NamedArgs withoutObjects(const NamedArgs& named) {
    NamedArgs out;
    for (const NamedArg& n : named) out.push_back({n.name, withoutObject(n.value)});
    return out;
}

class RecordingObject final : public ObjectDecorator {
public:
    RecordingObject(ObjectRef inner, std::shared_ptr<CallLog> log, std::string path)
        : ObjectDecorator(std::move(inner), std::move(path)), m_log(std::move(log)) {}

protected:
    void before(CallKind kind, std::string_view member, const Args& args, const NamedArgs& named,
                const Variant& value) override {
        CallRecord record{kind, path(), std::string(member), args, named, value, {}};
        record.text = record.describe();  // described while the objects are still there
        record.args = withoutObjects(args);
        record.named = withoutObjects(named);
        record.value = withoutObject(value);
        m_log->add(std::move(record));
    }
    ObjectRef wrap(ObjectRef inner, std::string path) override {
        return std::make_shared<RecordingObject>(std::move(inner), m_log, std::move(path));
    }

private:
    std::shared_ptr<CallLog> m_log;
};

}  // namespace

std::string ObjectDecorator::childPath(std::string_view member, const Args& args) const {
    std::string out = m_path + "." + std::string(member);
    if (!args.empty()) out += "(" + describeArgs(args) + ")";
    return out;
}

std::string CallRecord::describe() const {
    if (!text.empty()) return text;
    const std::string target = path + "." + member;
    switch (kind) {
    case CallKind::Get: return "get " + target + (args.empty() ? "" : "(" + describeArgs(args) + ")");
    case CallKind::Put:
        return "put " + target + (args.empty() ? "" : "(" + describeArgs(args) + ")") + " = " + value.describe();
    case CallKind::Call: {
        std::string inside = describeArgs(args);
        const std::string named_ = describeNamed(named);
        if (!named_.empty()) inside += (inside.empty() ? "" : ", ") + named_;
        return "call " + target + "(" + inside + ")";
    }
    }
    return target;
}

std::vector<std::string> CallLog::lines() const {
    std::vector<std::string> out;
    out.reserve(m_records.size());
    for (const CallRecord& record : m_records) out.push_back(record.describe());
    return out;
}

ObjectRef recordCalls(ObjectRef inner, std::shared_ptr<CallLog> log, std::string path) {
    return std::make_shared<RecordingObject>(std::move(inner), std::move(log), std::move(path));
}

}  // namespace testing_support
