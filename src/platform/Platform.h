// The platform boundary: prompts, the shell and program start, replaceable as a whole by tests.
#pragma once

#include "platform/Launcher.h"
#include "platform/Prompt.h"

#include <memory>

namespace rnx10 {

struct PlatformHooks {
    std::shared_ptr<Prompt> prompt;
    std::shared_ptr<Shell> shell;
    std::shared_ptr<ProgramStarter> starter;
};

// The hooks in force; real message boxes, xdg-open and posix_spawn unless replaced.
PlatformHooks &platform();

// Replaces some hooks for a scope (a test), restoring the previous ones at its end.
class ScopedPlatform {
public:
    explicit ScopedPlatform(PlatformHooks replacement);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform &) = delete;
    ScopedPlatform &operator=(const ScopedPlatform &) = delete;

private:
    PlatformHooks m_saved;
};

} // namespace rnx10
