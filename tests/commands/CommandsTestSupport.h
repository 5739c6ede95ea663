// Helpers of the command tests: swapping a service factory for a scope, acting on modal windows.
#pragma once

#include "automation/ObjectRegistry.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace rnx10::test {

// Registers a factory that hands out one given object for a scope; the real factory comes back after.
class ScopedFactory {
public:
    template <typename Interface>
    ScopedFactory(const char *progId, std::shared_ptr<Interface> object)
        : m_progId(progId),
          m_saved(ObjectRegistry::registerFactory(progId, [object] { return std::static_pointer_cast<void>(object); }))
    {
    }
    ~ScopedFactory() { ObjectRegistry::registerFactory(m_progId, m_saved); }
    ScopedFactory(const ScopedFactory &) = delete;
    ScopedFactory &operator=(const ScopedFactory &) = delete;

private:
    std::string m_progId;
    ObjectRegistry::Factory m_saved;
};

// Runs action on the next modal window once it is up. If none comes up, or action leaves it open,
// the test fails and the window is closed so the run does not hang.
void onNextModal(std::function<void(QWidget *)> action);

// Waits (serving events) until path exists; false when it never appears.
bool waitForFile(const std::string &path);

} // namespace rnx10::test
