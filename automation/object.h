// Object: a late-bound object. Every call names a member, passes positional
// arguments and, for methods, optional named arguments, and returns a Variant.
// Member names are case-insensitive, as in any automation client.
//
//   ObjectRef app = registry.CreateObject("Excel.Application");
//   app->put("ScreenUpdating", false);
//   ObjectRef font = member(app, "Selection", "Font");
//   font->put("Size", int16_t{10});
#pragma once

#include "automation/variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace automation {

using Args = std::vector<Variant>;

struct NamedArg {
    std::string name;
    Variant value;
};
using NamedArgs = std::vector<NamedArg>;

class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;

    // The class name used in error descriptions ("Application", "Range").
    virtual std::string typeName() const = 0;

    // Property read, with index arguments where the property takes them.
    virtual Variant get(std::string_view member, const Args& args = {}) = 0;
    // Property write.
    virtual void put(std::string_view member, const Variant& value, const Args& args = {}) = 0;
    // Method call.
    virtual Variant call(std::string_view member, const Args& args = {}, const NamedArgs& named = {}) = 0;

    // The object that answers for this one: itself, or for a wrapper (a
    // proxy, a client's decorator) the object it stands for. A server
    // recognises its own objects passed back as arguments by this.
    virtual Object* identity() { return this; }
};

// Follows a chain of argument-less property reads: member(app, "Selection", "Font").
// Throws "Object required" when a link is not an object or is Nothing.
ObjectRef member(const ObjectRef& start, std::initializer_list<std::string_view> path);

template <typename... Names>
ObjectRef member(const ObjectRef& start, Names... names) {
    return member(start, {std::string_view(names)...});
}

// The object a Variant holds; "Object required" when it holds none or Nothing.
ObjectRef requireObject(const Variant& value);

// Lower-case copy, for member and argument names.
std::string foldCase(std::string_view text);

}  // namespace automation
