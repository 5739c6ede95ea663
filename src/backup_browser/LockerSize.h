// The computer folder's size behind the locker's tooltip. A date click only lists folders; the
// size of a large store (years of full copies, maybe on a network mount) is walked once per window
// opening on a worker thread after the lists are shown, never with a progress dialog. Until it
// arrives the last known size stays shown; what the browser itself deletes is taken off it.
#pragma once

#include "platform/walk/WalkProgress.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace rnx10 {

class LockerSize : public QObject {
    Q_OBJECT

public:
    using Shown = std::function<void(const std::string &toolTip)>;
    using Failed = std::function<void(const std::string &description)>;

    // shown gets the tooltip's text whenever the size is known anew; failed a failing walk's error.
    LockerSize(QObject *parent, Shown shown, Failed failed);
    // Stops a walk still running and waits for it.
    ~LockerSize() override;

    // After a scan of computer (measuredFolder: the folder its walk sees): shows the size known,
    // and starts the opening's one walk unless it ran already.
    void scanned(const std::string &computer, const std::string &measuredFolder);
    // The browser deleted bytes below the computer folder.
    void removed(std::uint64_t bytes);

    bool running() const { return m_worker.joinable() && !m_done; }
    std::optional<std::uint64_t> known() const { return m_bytes; }

private:
    void finished(std::optional<std::uint64_t> bytes, const std::string &error);
    void show();

    Shown m_shown;
    Failed m_failed;
    std::string m_computer;
    std::optional<std::uint64_t> m_bytes;
    bool m_started = false;      // the opening's walk ran or runs
    bool m_done = false;         // it has reported
    bool m_changedMeanwhile = false; // a deletion ran while the walk went on
    walk::WalkProgress m_progress;
    std::thread m_worker;
};

} // namespace rnx10
