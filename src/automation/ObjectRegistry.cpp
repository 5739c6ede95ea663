#include "automation/ObjectRegistry.h"

#include "automation/AutomationError.h"

#include <map>
#include <mutex>

namespace rnx10 {

namespace {
struct Table {
    std::mutex mutex;
    std::map<std::string, ObjectRegistry::Factory> factories;
};
Table &table()
{
    static Table t;
    return t;
}
} // namespace

ObjectRegistry::Factory ObjectRegistry::registerFactory(const std::string &progId, Factory factory)
{
    std::lock_guard lock(table().mutex);
    Factory previous;
    auto &slot = table().factories[progId];
    std::swap(previous, slot);
    slot = std::move(factory);
    return previous;
}

void ObjectRegistry::unregister(const std::string &progId)
{
    std::lock_guard lock(table().mutex);
    table().factories.erase(progId);
}

bool ObjectRegistry::isRegistered(const std::string &progId)
{
    std::lock_guard lock(table().mutex);
    auto it = table().factories.find(progId);
    return it != table().factories.end() && it->second;
}

std::shared_ptr<void> ObjectRegistry::createRaw(const std::string &progId)
{
    Factory factory;
    {
        std::lock_guard lock(table().mutex);
        auto it = table().factories.find(progId);
        if (it != table().factories.end())
            factory = it->second;
    }
    if (!factory)
        throw err::cantCreateObject(progId);
    auto object = factory();
    if (!object)
        throw err::cantCreateObject(progId);
    return object;
}

} // namespace rnx10
