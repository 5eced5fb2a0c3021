#include "automation/registry.h"

#include "automation/automation_error.h"

namespace automation {
namespace {

[[noreturn]] void cannotCreate(std::string_view className, const std::string& reason = {}) {
    std::string text = "ActiveX component can't create object (" + std::string(className) + ")";
    if (!reason.empty()) text += ": " + reason;
    throw AutomationError(text, errors::kCannotCreateObject);
}

}  // namespace

Registry& Registry::global() {
    static Registry registry;
    return registry;
}

void Registry::registerClass(const std::string& className, Factory factory) {
    std::lock_guard lock(m_mutex);
    m_classes[foldCase(className)] = std::move(factory);
}

void Registry::unregisterClass(const std::string& className) {
    std::lock_guard lock(m_mutex);
    m_classes.erase(foldCase(className));
}

ObjectRef Registry::CreateObject(std::string_view className) const {
    Factory factory;
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_classes.find(foldCase(className));
        if (it == m_classes.end()) cannotCreate(className);
        factory = it->second;
    }
    ObjectRef instance;
    try {
        instance = factory();
    } catch (const std::exception& e) {
        cannotCreate(className, e.what());
    }
    if (!instance) cannotCreate(className);
    return instance;
}

ObjectRef Registry::GetObject(std::string_view className) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_running.find(foldCase(className));
    if (it != m_running.end())
        if (ObjectRef instance = it->second.lock()) return instance;
    cannotCreate(className);
}

void Registry::announceRunning(const std::string& className, const ObjectRef& instance) {
    std::lock_guard lock(m_mutex);
    m_running[foldCase(className)] = instance;
}

void Registry::revokeRunning(const std::string& className) {
    std::lock_guard lock(m_mutex);
    m_running.erase(foldCase(className));
}

}  // namespace automation
