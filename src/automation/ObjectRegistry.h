// Creation of the suite's components by programmatic identifier.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace rnx10 {

class ObjectRegistry {
public:
    using Factory = std::function<std::shared_ptr<void>()>;

    // Registers (or replaces) the factory of a ProgID; returns the factory it replaced, if any,
    // so a test that injects a failure can put the real one back.
    static Factory registerFactory(const std::string &progId, Factory factory);
    static void unregister(const std::string &progId);
    static bool isRegistered(const std::string &progId);

    // Creates an object; raises 429 "Component can't create object" for an unknown ProgID
    // (a factory may raise its own error instead).
    template <typename T> static std::shared_ptr<T> create(const std::string &progId)
    {
        return std::static_pointer_cast<T>(createRaw(progId));
    }

private:
    static std::shared_ptr<void> createRaw(const std::string &progId);
};

// Registers a concrete type under a ProgID at library load.
template <typename Interface, typename Impl> struct RegisterObject {
    explicit RegisterObject(const char *progId)
    {
        ObjectRegistry::registerFactory(progId, [] { return std::static_pointer_cast<void>(std::shared_ptr<Interface>(std::make_shared<Impl>())); });
    }
};

} // namespace rnx10
