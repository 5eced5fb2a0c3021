// A permissive stand-in for the spreadsheet application in tests: it accepts
// any get, put and call. A get hands back what it was told to answer, else the
// value last put under that member and arguments, else a child object (the
// same child each time), so chains like Selection.Font.Size work and can be
// read back. An answer may be computed from the arguments and the moment it
// is asked for.
#pragma once

#include "automation/object.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace report_testing {

class ScriptableObject final : public automation::Object {
public:
    explicit ScriptableObject(std::string typeName = "Application") : m_typeName(std::move(typeName)) {}

    // What a get or call of this member answers, whatever its arguments.
    void answer(std::string_view member, automation::Variant value);
    // What a get or call of this member answers, computed each time it is asked.
    void answerWith(std::string_view member, std::function<automation::Variant(const automation::Args&)> compute);

    std::string typeName() const override { return m_typeName; }
    automation::Variant get(std::string_view member, const automation::Args& args = {}) override;
    void put(std::string_view member, const automation::Variant& value, const automation::Args& args = {}) override;
    automation::Variant call(std::string_view member, const automation::Args& args = {},
                             const automation::NamedArgs& named = {}) override;

    // The child a get of this member hands back when nothing else answers.
    std::shared_ptr<ScriptableObject> child(std::string_view member, const automation::Args& args = {});
    // The value last put, if any.
    std::optional<automation::Variant> putValue(std::string_view member, const automation::Args& args = {}) const;
    // How often a method was called on this object.
    int callCount(std::string_view member) const;

private:
    static std::string key(std::string_view member, const automation::Args& args);

    std::string m_typeName;
    std::optional<automation::Variant> answerFor(std::string_view member, const automation::Args& args) const;

    std::map<std::string, automation::Variant> m_answers;
    std::map<std::string, std::function<automation::Variant(const automation::Args&)>> m_computed;
    std::map<std::string, automation::Variant> m_values;
    std::map<std::string, std::shared_ptr<ScriptableObject>> m_children;
    std::map<std::string, int> m_calls;
};

}  // namespace report_testing
