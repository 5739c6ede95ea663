#include "services/ServiceSet.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/FileSystemObject.h"
#include "services/DebuggerService.h"
#include "services/IniFileService.h"
#include "services/ProgIds.h"
#include "services/RegistryService.h"
#include "services/RuntimeService.h"
#include "services/StaticMessageService.h"

namespace rnx10 {

namespace {
RegisterObject<FileSystemObject, FileSystemObject> fsoRegistration(progid::FileSystem);

template <typename T> T &require(const std::shared_ptr<T> &slot)
{
    if (!slot)
        throw err::objectNotSet();
    return *slot;
}
} // namespace

ServiceSet &ServiceSet::current()
{
    thread_local ServiceSet set;
    return set;
}

RuntimeService &ServiceSet::runtime() const { return require(m_runtime); }
IniFileService &ServiceSet::iniFile() const { return require(m_iniFile); }
DebuggerService &ServiceSet::debugger() const { return require(m_debugger); }
StaticMessageService &ServiceSet::staticMessage() const { return require(m_staticMessage); }
RegistryService &ServiceSet::registry() const { return require(m_registry); }

FileSystemObject &ServiceSet::fileSystem()
{
    if (!m_fileSystem)
        m_fileSystem = ObjectRegistry::create<FileSystemObject>(progid::FileSystem);
    return *m_fileSystem;
}

std::shared_ptr<FileSystemObject> ServiceSet::fileSystemShared()
{
    fileSystem();
    return m_fileSystem;
}

void ServiceSet::createServices()
{
    m_runtime = ObjectRegistry::create<RuntimeService>(progid::Runtime);
    m_iniFile = ObjectRegistry::create<IniFileService>(progid::IniFile);
    m_debugger = ObjectRegistry::create<DebuggerService>(progid::Debugger);
    m_staticMessage = ObjectRegistry::create<StaticMessageService>(progid::StaticMessage);
    m_registry = ObjectRegistry::create<RegistryService>(progid::Registry);
}

void ServiceSet::releaseAll()
{
    m_runtime.reset();
    m_iniFile.reset();
    m_fileSystem.reset();
    m_staticMessage.reset();
    m_registry.reset();
    m_debugger.reset();
}

void ServiceSet::beginInstance()
{
    createServices();
    ++m_instances;
}

void ServiceSet::endInstance()
{
    if (m_instances > 0 && --m_instances == 0)
        releaseAll();
}

} // namespace rnx10
