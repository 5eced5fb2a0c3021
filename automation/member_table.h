// MemberTable: the late-bound face of a typed C++ class, as data. One table per
// class lists each member once with its getter, setter and/or method and the
// number of arguments it takes; dispatch does the case-insensitive lookup, the
// argument-count and named-argument checks and the "unknown member" error, so
// the class itself only holds typed code.
//
//   using T = MemberTable<Font>;
//   static const T table("Font", {
//       T::property("Size", [](Font& f, const Args&) { return Variant(f.size()); },
//                           [](Font& f, const Variant& v, const Args&) { f.setSize(v.toDouble()); }),
//   });
#pragma once

#include "automation/automation_error.h"
#include "automation/object.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>

namespace automation {

template <typename T>
class MemberTable {
public:
    using Getter = std::function<Variant(T&, const Args&)>;
    using Putter = std::function<void(T&, const Variant&, const Args&)>;
    using Method = std::function<Variant(T&, const Args&, const NamedArgs&)>;

    struct Member {
        std::string name;
        Getter get;
        Putter put;
        Method call;
        int minArgs = 0;                  // index or positional arguments
        int maxArgs = 0;
        std::vector<std::string> named;   // names a method accepts
    };

    // A property: a getter, and a setter when it can be written; minArgs/maxArgs
    // count its index arguments.
    static Member property(std::string name, Getter get, Putter put = {}, int minArgs = 0, int maxArgs = 0) {
        Member m;
        m.name = std::move(name);
        m.get = std::move(get);
        m.put = std::move(put);
        m.minArgs = minArgs;
        m.maxArgs = maxArgs;
        return m;
    }

    // A method with its positional-argument range and the named arguments it accepts.
    static Member method(std::string name, Method call, int minArgs = 0, int maxArgs = 0,
                         std::vector<std::string> named = {}) {
        Member m;
        m.name = std::move(name);
        m.call = std::move(call);
        m.minArgs = minArgs;
        m.maxArgs = maxArgs;
        m.named = std::move(named);
        return m;
    }

    MemberTable(std::string className, std::initializer_list<Member> members) : m_className(std::move(className)) {
        for (const Member& m : members) m_members.emplace(foldCase(m.name), m);
    }

    const std::string& className() const { return m_className; }

    // Property read; a member that is only a method is called instead, as late
    // binding allows ("x = Workbooks.Add").
    Variant get(T& self, std::string_view name, const Args& args) const {
        const Member& m = find(name);
        checkCount(m, args);
        if (m.get) return m.get(self, args);
        if (m.call) return m.call(self, args, {});
        unsupported(name);
    }

    void put(T& self, std::string_view name, const Variant& value, const Args& args) const {
        const Member& m = find(name);
        if (!m.put) throw AutomationError("Unable to set the " + m.name + " property of the " + m_className + " class",
                                          errors::kApplicationDefined);
        checkCount(m, args);
        m.put(self, value, args);
    }

    // Method call; a property read with these arguments serves when the member
    // has no method ("Sheets(2)" reached as a call of Sheets).
    Variant call(T& self, std::string_view name, const Args& args, const NamedArgs& named) const {
        const Member& m = find(name);
        checkCount(m, args);
        checkNamed(m, named);
        if (m.call) return m.call(self, args, named);
        if (m.get && named.empty()) return m.get(self, args);
        unsupported(name);
    }

    bool has(std::string_view name) const { return m_members.count(foldCase(name)) != 0; }

private:
    [[noreturn]] void unsupported(std::string_view name) const {
        throw AutomationError("Object doesn't support this property or method (" + m_className + "." +
                                  std::string(name) + ")",
                              errors::kUnknownMember);
    }

    const Member& find(std::string_view name) const {
        const auto it = m_members.find(foldCase(name));
        if (it == m_members.end()) unsupported(name);
        return it->second;
    }

    void checkCount(const Member& m, const Args& args) const {
        const int count = static_cast<int>(args.size());
        if (count < m.minArgs || count > m.maxArgs)
            throw AutomationError("Wrong number of arguments or invalid property assignment (" + m_className + "." +
                                      m.name + ")",
                                  errors::kWrongArgumentCount);
    }

    void checkNamed(const Member& m, const NamedArgs& named) const {
        for (const NamedArg& arg : named) {
            const bool known = std::any_of(m.named.begin(), m.named.end(),
                                           [&](const std::string& n) { return foldCase(n) == foldCase(arg.name); });
            if (!known)
                throw AutomationError("Named argument not found (" + m_className + "." + m.name + ": " + arg.name + ")",
                                      errors::kNamedArgumentNotFound);
        }
    }

    std::string m_className;
    std::map<std::string, Member> m_members;
};

// Named argument by name (case-insensitive); Missing when absent.
inline Variant namedArg(const NamedArgs& named, std::string_view name) {
    for (const NamedArg& arg : named)
        if (foldCase(arg.name) == foldCase(name)) return arg.value;
    return Variant::missing();
}

// Positional argument, Missing when absent.
inline Variant argAt(const Args& args, size_t index) {
    return index < args.size() ? args[index] : Variant::missing();
}

}  // namespace automation

namespace automation {

// Base for an object whose late-bound face is its class's MemberTable:
// Derived provides `static const MemberTable<Derived>& members();`.
template <typename Derived>
class TableObject : public Object {
public:
    std::string typeName() const override { return Derived::members().className(); }
    Variant get(std::string_view name, const Args& args = {}) override {
        return Derived::members().get(self(), name, args);
    }
    void put(std::string_view name, const Variant& value, const Args& args = {}) override {
        Derived::members().put(self(), name, value, args);
    }
    Variant call(std::string_view name, const Args& args = {}, const NamedArgs& named = {}) override {
        return Derived::members().call(self(), name, args, named);
    }

private:
    Derived& self() { return static_cast<Derived&>(*this); }
};

}  // namespace automation
