#include "BackupRun.h"

#include "ArchiveWriter.h"
#include "DesktopNotice.h"
#include "RunLog.h"

#include "automation/AutomationError.h"
#include "platform/Paths.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"
#include "platform/walk/WorkerThreads.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"

#include <condition_variable>
#include <optional>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <thread>

namespace rnx10::backuptool {

std::string suiteSettingsFolder() { return parentPath(RuntimeService::configurationFile()); }

std::string archiveNameFor(const std::string &folder)
{
    std::string name = baseName(folder);
    if (name.empty() || name == "/" || name == "." || name == "..")
        return "root";
    return name;
}

namespace {
// "--at HH:MM" sets the hour and minute of when; false for anything else.
bool parseArguments(int argc, char **argv, std::tm &when)
{
    if (argc == 1)
        return true;
    int hour = -1, minute = -1;
    char tail = 0;
    if (argc != 3 || std::string(argv[1]) != "--at" || std::sscanf(argv[2], "%d:%d%c", &hour, &minute, &tail) != 2 ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return false;
    when.tm_hour = hour;
    when.tm_min = minute;
    return true;
}
} // namespace

namespace {
constexpr std::chrono::seconds kNoticeLimit{5};

// Ends the process with status when it is not dismissed in time: a session bus that takes the
// connection and then never answers must not hold a backup run.
class ExitDeadline {
public:
    ExitDeadline(std::chrono::milliseconds limit, int status)
        // Without a thread to watch (the system refuses one) the notice's own limit is the guard.
        : m_watch(walk::tryStartThread([this, limit, status] {
              std::unique_lock lock(m_mutex);
              if (!m_woken.wait_for(lock, limit, [this] { return m_dismissed; }))
                  std::_Exit(status);
          }))
    {
    }
    ~ExitDeadline()
    {
        {
            std::lock_guard lock(m_mutex);
            m_dismissed = true;
        }
        m_woken.notify_one();
        if (m_watch)
            m_watch->join();
    }
    ExitDeadline(const ExitDeadline &) = delete;
    ExitDeadline &operator=(const ExitDeadline &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_dismissed = false;
    std::optional<std::thread> m_watch;
};

// A run and what it tells a person: its failures as standard error and the desktop notice show
// them, in the user's language; the outcome keeps them as the log records them.
struct Run {
    RunOutcome outcome;
    std::vector<std::string> shownFailures;
};

// logged goes into backup.log as it is; shown is told on standard error and in the notice.
void fail(Run &run, const std::string &logged, const std::string &shown)
{
    std::fprintf(stderr, "%s: %s\n", run.outcome.tool.c_str(), printableText(shown).c_str());
    run.outcome.failures.push_back(logged);
    run.shownFailures.push_back(shown);
    run.outcome.status = 1;
}

// "error N: DESCRIPTION", the description as recorded or as shown.
std::string errorText(const AutomationError &e, const std::string &description)
{
    return "error " + std::to_string(e.number()) + ": " + description;
}

void archiveAll(const std::vector<BackupSource> &sources, const std::tm &filedAt, Run &run)
{
    RunOutcome &outcome = run.outcome;
    try {
        const std::string store = RuntimeService().EnvironGet(envkey::kSuiteEnvironment, envkey::Store);
        for (const BackupSource &source : sources) {
            try {
                const std::string archive = writeArchive({store, source.folder, source.sourceText, source.archiveName, source.copyName, filedAt});
                std::printf("%s: %s -> %s\n", outcome.tool.c_str(), printableText(source.folder).c_str(),
                            printableText(archive).c_str());
                ++outcome.archives;
            } catch (const AutomationError &e) {
                fail(run, source.folder + ": " + errorText(e, e.description()),
                     source.folder + ": " + errorText(e, shownDescription(e)));
            }
        }
    } catch (const AutomationError &e) {
        fail(run, errorText(e, e.description()), errorText(e, shownDescription(e)));
    }
}

// The run's line in the log folder's backup.log and, for a failed run, a desktop notification.
void tellOutcome(const Run &run)
{
    const RunOutcome &outcome = run.outcome;
    std::string logFolder;
    try {
        RuntimeService runtime;
        logFolder = suiteFolderForWriting(runtime, envkey::Logs);
        if (const std::string why = appendRunLog(logFolder, runLogLine(outcome)); !why.empty())
            std::fprintf(stderr, "%s: %s\n", outcome.tool.c_str(),
                         fillIn(tx("backuptool", "the run is not logged: %1"), {printableText(why)}).c_str());
    } catch (const AutomationError &e) {
        std::fprintf(stderr, "%s: %s\n", outcome.tool.c_str(),
                     fillIn(tx("backuptool", "the run is not logged: %1"), {printableText(shownDescription(e))}).c_str());
    }
    if (outcome.status == 0)
        return;
    std::string body;
    for (const std::string &failure : run.shownFailures)
        body += failure + "\n";
    if (!logFolder.empty())
        body += fillIn(tx("backuptool", "See %1"), {logFolder + "/" + kRunLogName});
    std::fflush(nullptr);
    const ExitDeadline deadline(kNoticeLimit + std::chrono::seconds(2), outcome.status);
    notifyDesktop(fillIn(tx("backuptool", "Backup failed: %1"), {outcome.tool}), body, kNoticeLimit);
}
} // namespace

int runBackup(const char *tool, const std::vector<BackupSource> &sources, int argc, char **argv)
{
    Run run;
    RunOutcome &outcome = run.outcome;
    outcome.tool = tool;
    const std::time_t now = std::time(nullptr);
    ::localtime_r(&now, &outcome.when);
    std::tm filedAt = outcome.when;
    if (parseArguments(argc, argv, filedAt)) {
        archiveAll(sources, filedAt, run);
    } else {
        outcome.failures.push_back("usage: " + outcome.tool + " [--at HH:MM]");
        run.shownFailures.push_back(fillIn(tx("backuptool", "usage: %1 [--at HH:MM]"), {outcome.tool}));
        std::fprintf(stderr, "%s\n", run.shownFailures.back().c_str());
        outcome.status = 2;
    }
    tellOutcome(run);
    return outcome.status;
}

} // namespace rnx10::backuptool
