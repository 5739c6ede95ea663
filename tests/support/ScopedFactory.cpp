#include "support/ScopedFactory.h"

#include "platform/FileSystemObject.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"

namespace rnx10::test {

ScopedFactory::ScopedFactory(std::string progId, ObjectRegistry::Factory factory, ServiceSetUse use)
    : m_progId(std::move(progId)), m_use(use)
{
    m_saved = ObjectRegistry::registerFactory(m_progId, std::move(factory));
    if (m_use == ReleaseServices)
        services().releaseAll();
}

ScopedFactory::~ScopedFactory()
{
    ObjectRegistry::registerFactory(m_progId, std::move(m_saved));
    if (m_use == ReleaseServices)
        services().releaseAll();
}

ScopedFileSystem::ScopedFileSystem(std::shared_ptr<FileSystemObject> fs, ServiceSetUse use)
    : ScopedFactory(progid::FileSystem, std::move(fs), use)
{
}

} // namespace rnx10::test
