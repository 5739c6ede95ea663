// Replacing the factory of a ProgID for a scope.
#pragma once

#include "automation/ObjectRegistry.h"

#include <memory>
#include <string>

namespace rnx10 {
class FileSystemObject;
}

namespace rnx10::test {

// Registers a factory for a scope and puts the one it replaced back at the end of the scope, also
// when an assertion ends the test early or an exception leaves it.
class ScopedFactory {
public:
    enum ServiceSetUse {
        KeepServices,    // the thread's service set is left alone
        ReleaseServices, // released on the way in and out, so its next use makes the object anew
                         // from the factory in place; make the test's component instance after
    };

    ScopedFactory(std::string progId, ObjectRegistry::Factory factory, ServiceSetUse use = KeepServices);
    // Hands out one object every time. Pass it as the interface the ProgID stands for.
    template <typename Interface>
    ScopedFactory(std::string progId, std::shared_ptr<Interface> object, ServiceSetUse use = KeepServices)
        : ScopedFactory(std::move(progId), [object] { return std::static_pointer_cast<void>(object); }, use)
    {
    }
    ~ScopedFactory();
    ScopedFactory(const ScopedFactory &) = delete;
    ScopedFactory &operator=(const ScopedFactory &) = delete;

private:
    std::string m_progId;
    ObjectRegistry::Factory m_saved;
    ServiceSetUse m_use;
};

// The thread's file-system object is fs for a scope; by default the service set is released on
// the way in and out (see ScopedFactory::ReleaseServices).
class ScopedFileSystem : public ScopedFactory {
public:
    explicit ScopedFileSystem(std::shared_ptr<FileSystemObject> fs, ServiceSetUse use = ReleaseServices);
};

} // namespace rnx10::test
