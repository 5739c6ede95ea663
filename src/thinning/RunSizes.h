// The sizes of the thinning preview's runs, measured one by one on a worker thread after the list
// is shown; they arrive on the window's thread in batches, so thousands of runs cost the window a
// few updates rather than one each.
#pragma once

#include "store/BrowserFolders.h"
#include "platform/walk/WalkProgress.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace rnx10 {

struct MeasuredRun {
    std::string path;
    std::optional<std::uint64_t> bytes; // none when it could not be measured
};

class RunSizes : public QObject {
    Q_OBJECT

public:
    using Measured = std::function<void(const std::vector<MeasuredRun> &batch)>;

    RunSizes(QObject *parent, Measured measured);
    // Stops a measure still running and waits for it.
    ~RunSizes() override;

    // Stops the measure running, then measures runs, each opened from folders' computer folder.
    void measure(const BrowserFolders &folders, const std::vector<std::string> &runs);
    void stop();

private:
    void deliver(std::vector<MeasuredRun> batch, unsigned generation);

    Measured m_measured;
    walk::WalkProgress m_progress;
    std::optional<std::thread> m_worker; // none when the system refused it
    unsigned m_generation = 0; // results of a stopped measure are dropped
};

} // namespace rnx10
