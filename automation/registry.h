// Registry: creation of automation objects by class name, and lookup of a
// running instance, in place of the system's class registry. The program only
// ever names a class ("Excel.Application"); which implementation answers is
// decided where the class is registered.
//
//   Registry registry;
//   registry.registerClass("Excel.Application", [] { return makeApplication(); });
//   ObjectRef app = registry.CreateObject("Excel.Application");
#pragma once

#include "automation/object.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>

namespace automation {

class Registry {
public:
    using Factory = std::function<ObjectRef()>;

    // The registry the program uses; tests build their own.
    static Registry& global();

    void registerClass(const std::string& className, Factory factory);
    void unregisterClass(const std::string& className);

    // A new instance. Throws "ActiveX component can't create object" when the
    // class is unknown or its factory fails or yields nothing.
    ObjectRef CreateObject(std::string_view className) const;

    // A running instance announced with announceRunning, or the same error as
    // above when none is alive.
    ObjectRef GetObject(std::string_view className) const;

    // An instance announces itself as running; the registry holds it weakly,
    // so a released instance is no longer found.
    void announceRunning(const std::string& className, const ObjectRef& instance);
    void revokeRunning(const std::string& className);

private:
    mutable std::mutex m_mutex;
    std::map<std::string, Factory> m_classes;            // keyed by folded class name
    std::map<std::string, std::weak_ptr<Object>> m_running;
};

}  // namespace automation
