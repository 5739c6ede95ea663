#include "platform/Platform.h"

#include "platform/MessageBoxPrompt.h"

namespace rnx10 {

PlatformHooks &platform()
{
    static PlatformHooks hooks{std::make_shared<MessageBoxPrompt>(), std::make_shared<SystemShell>(),
                               std::make_shared<SystemProgramStarter>()};
    return hooks;
}

ScopedPlatform::ScopedPlatform(PlatformHooks replacement) : m_saved(platform())
{
    if (replacement.prompt)
        platform().prompt = std::move(replacement.prompt);
    if (replacement.shell)
        platform().shell = std::move(replacement.shell);
    if (replacement.starter)
        platform().starter = std::move(replacement.starter);
}

ScopedPlatform::~ScopedPlatform() { platform() = m_saved; }

} // namespace rnx10
