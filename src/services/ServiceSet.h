// The per-thread set of service objects every part of the component uses.
#pragma once

#include <memory>

namespace rnx10 {

class RuntimeService;
class IniFileService;
class DebuggerService;
class StaticMessageService;
class RegistryService;
class FileSystemObject;

class ServiceSet {
public:
    // The set of the calling thread.
    static ServiceSet &current();

    // Each accessor raises 91 when the slot holds no object (released, or never created).
    RuntimeService &runtime() const;
    IniFileService &iniFile() const;
    DebuggerService &debugger() const;
    StaticMessageService &staticMessage() const;
    RegistryService &registry() const;
    // Created on first use and kept until the set is released.
    FileSystemObject &fileSystem();
    // The same object, held: a job on another thread keeps it alive even if the set is released meanwhile.
    std::shared_ptr<FileSystemObject> fileSystemShared();

    // Instance creation: the five services by ProgID in their fixed order, each stored as soon
    // as it exists, so a failure leaves the ones made before it in the set.
    void createServices();
    // Release in the fixed teardown order.
    void releaseAll();

    // Live users of the set on this thread (instances of the public class, a window's quick
    // backup): each begins by creating the services afresh; the set is released when the last ends.
    // A failure while creating leaves the count untouched.
    void beginInstance();
    void endInstance();
    int instances() const { return m_instances; }

private:
    std::shared_ptr<RuntimeService> m_runtime;
    std::shared_ptr<IniFileService> m_iniFile;
    std::shared_ptr<DebuggerService> m_debugger;
    std::shared_ptr<StaticMessageService> m_staticMessage;
    std::shared_ptr<RegistryService> m_registry;
    std::shared_ptr<FileSystemObject> m_fileSystem;
    int m_instances = 0;
};

// Shorthand for ServiceSet::current().
inline ServiceSet &services() { return ServiceSet::current(); }

// One user of the thread's set for the length of a scope, as an instance of the public class is.
class ServiceUse {
public:
    ServiceUse() { services().beginInstance(); }
    ~ServiceUse() { services().endInstance(); }
    ServiceUse(const ServiceUse &) = delete;
    ServiceUse &operator=(const ServiceUse &) = delete;
};

} // namespace rnx10
