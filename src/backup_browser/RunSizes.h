// The sizes of the thinning preview's runs, measured one by one on a worker thread after the list
// is shown; each arrives on the window's thread as it is known.
#pragma once

#include "backup_browser/core/BrowserFolders.h"
#include "platform/walk/WalkProgress.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace rnx10 {

class RunSizes : public QObject {
    Q_OBJECT

public:
    // measured(index, bytes): run index's size, none when it could not be measured.
    using Measured = std::function<void(std::size_t index, std::optional<std::uint64_t> bytes)>;

    RunSizes(QObject *parent, Measured measured);
    // Stops a measure still running and waits for it.
    ~RunSizes() override;

    // Stops the measure running, then measures runs, each opened from folders' computer folder.
    void measure(const BrowserFolders &folders, const std::vector<std::string> &runs);
    void stop();

private:
    Measured m_measured;
    walk::WalkProgress m_progress;
    std::optional<std::thread> m_worker; // none when the system refused it
    unsigned m_generation = 0; // results of a stopped measure are dropped
};

} // namespace rnx10
