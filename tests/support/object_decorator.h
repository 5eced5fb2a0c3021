// ObjectDecorator: wraps an object so that every call made through it, and
// through every object it hands back, passes one hook first. The recording and
// failing decorators of the tests are built on it. A wrapper answers for the
// object it stands for (identity()), so the spreadsheet recognises its own
// objects passed back through one, as it would through a marshalling proxy.
#pragma once

#include "automation/automation_error.h"
#include "automation/object.h"

namespace testing_support {

using automation::Args;
using automation::NamedArg;
using automation::NamedArgs;
using automation::AutomationError;
using automation::Object;
using automation::ObjectRef;
using automation::Variant;

enum class CallKind { Get, Put, Call };

class ObjectDecorator : public Object {
public:
    ObjectDecorator(ObjectRef inner, std::string path) : m_inner(std::move(inner)), m_path(std::move(path)) {}

    std::string typeName() const override { return m_inner->typeName(); }
    Object* identity() override { return m_inner->identity(); }

    Variant get(std::string_view member, const Args& args = {}) override {
        before(CallKind::Get, member, args, {}, {});
        return wrapResult(member, args, m_inner->get(member, args));
    }
    void put(std::string_view member, const Variant& value, const Args& args = {}) override {
        before(CallKind::Put, member, args, {}, value);
        m_inner->put(member, value, args);
    }
    Variant call(std::string_view member, const Args& args = {}, const NamedArgs& named = {}) override {
        before(CallKind::Call, member, args, named, {});
        return wrapResult(member, args, m_inner->call(member, args, named));
    }

    const ObjectRef& inner() const { return m_inner; }
    const std::string& path() const { return m_path; }

protected:
    // Runs before each call is passed on; may throw to make the call fail.
    virtual void before(CallKind kind, std::string_view member, const Args& args, const NamedArgs& named,
                        const Variant& value) = 0;
    // Wraps an object handed back by the inner object, so its calls pass the hook too.
    virtual ObjectRef wrap(ObjectRef inner, std::string path) = 0;

    // "Application.Range(BSTR("C5"))": the path of a member reached from here.
    std::string childPath(std::string_view member, const Args& args) const;

private:
    Variant wrapResult(std::string_view member, const Args& args, Variant result) {
        if (result.isObject() && result.toObject()) return wrap(result.toObject(), childPath(member, args));
        return result;
    }

    ObjectRef m_inner;
    std::string m_path;
};

}  // namespace testing_support
