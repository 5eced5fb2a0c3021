#include "automation/recording_object.h"

namespace automation {
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

class RecordingObject final : public ObjectDecorator {
public:
    RecordingObject(ObjectRef inner, std::shared_ptr<CallLog> log, std::string path)
        : ObjectDecorator(std::move(inner), std::move(path)), m_log(std::move(log)) {}

protected:
    void before(CallKind kind, std::string_view member, const Args& args, const NamedArgs& named,
                const Variant& value) override {
        m_log->add({kind, path(), std::string(member), args, named, value});
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

}  // namespace automation
