#include "automation/object.h"

#include "automation/automation_error.h"

#include <cctype>

namespace automation {

std::string foldCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

ObjectRef requireObject(const Variant& value) {
    ObjectRef object = value.toObject();
    if (!object) throw AutomationError("Object variable not set", errors::kObjectVariableNotSet);
    return object;
}

ObjectRef member(const ObjectRef& start, std::initializer_list<std::string_view> path) {
    ObjectRef current = start;
    if (!current) throw AutomationError("Object variable not set", errors::kObjectVariableNotSet);
    for (std::string_view name : path) current = requireObject(current->get(name));
    return current;
}

}  // namespace automation
