#include "scriptable_object.h"

namespace report_testing {

using automation::Variant;

std::string ScriptableObject::key(std::string_view member, const automation::Args& args) {
    std::string out = automation::foldCase(member);
    for (const Variant& arg : args) out += "|" + arg.describe();
    return out;
}

void ScriptableObject::answer(std::string_view member, Variant value) {
    m_answers[automation::foldCase(member)] = std::move(value);
}

void ScriptableObject::answerWith(std::string_view member, std::function<Variant(const automation::Args&)> compute) {
    m_computed[automation::foldCase(member)] = std::move(compute);
}

std::optional<Variant> ScriptableObject::answerFor(std::string_view member, const automation::Args& args) const {
    if (const auto it = m_answers.find(automation::foldCase(member)); it != m_answers.end()) return it->second;
    if (const auto it = m_computed.find(automation::foldCase(member)); it != m_computed.end()) return it->second(args);
    return std::nullopt;
}

Variant ScriptableObject::get(std::string_view member, const automation::Args& args) {
    if (const std::optional<Variant> answer = answerFor(member, args)) return *answer;
    if (const auto it = m_values.find(key(member, args)); it != m_values.end()) return it->second;
    return Variant(automation::ObjectRef(child(member, args)));
}

void ScriptableObject::put(std::string_view member, const Variant& value, const automation::Args& args) {
    m_values[key(member, args)] = value;
}

Variant ScriptableObject::call(std::string_view member, const automation::Args& args, const automation::NamedArgs&) {
    ++m_calls[automation::foldCase(member)];
    if (const std::optional<Variant> answer = answerFor(member, args)) return *answer;
    return {};
}

std::shared_ptr<ScriptableObject> ScriptableObject::child(std::string_view member, const automation::Args& args) {
    std::shared_ptr<ScriptableObject>& slot = m_children[key(member, args)];
    if (!slot) slot = std::make_shared<ScriptableObject>(std::string(member));
    return slot;
}

std::optional<Variant> ScriptableObject::putValue(std::string_view member, const automation::Args& args) const {
    if (const auto it = m_values.find(key(member, args)); it != m_values.end()) return it->second;
    return std::nullopt;
}

int ScriptableObject::callCount(std::string_view member) const {
    const auto it = m_calls.find(automation::foldCase(member));
    return it == m_calls.end() ? 0 : it->second;
}

}  // namespace report_testing
