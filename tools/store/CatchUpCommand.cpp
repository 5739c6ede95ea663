#include "CatchUpCommand.h"

#include "DesktopNotice.h"
#include "NowOption.h"
#include "RunLog.h"
#include "automation/AutomationError.h"
#include "platform/SpawnCommandRunner.h"
#include "platform/TerminalText.h"
#include "services/CatchUp.h"
#include "services/EnvironmentKeys.h"
#include "services/MinuteText.h"
#include "services/ScheduleHealth.h"
#include "services/StoreLocation.h"

#include <memory>

namespace rnx10::store {

namespace {

constexpr std::chrono::seconds kNoticeLimit{5};

// The run log line: "2026-12-11 03:10:00 rnx10-store catch-up: regbak, due 2026-12-09 22:00: COMMAND".
std::string logLine(const MissedJob &job, std::time_t now)
{
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(stamp) + " rnx10-store catch-up: " + printableText(job.line.jobName) + ", due " +
           minuteText(job.due) + ": " + printableText(job.line.command);
}

void tellStarting(const MissedJob &job, std::time_t now, RecordOutput &out)
{
    const std::string due = minuteText(job.due);
    out.item("started\t" + job.line.jobName + "\tdue " + due + "\t" + job.line.command,
             {{"kind", std::string("started")}, {"name", job.line.jobName}, {"due", due}, {"command", job.line.command}});
    std::string logFolder;
    try {
        logFolder = absoluteFolderOf(envkey::Logs);
    } catch (const AutomationError &) {
        // appendRunLog tells an empty folder as a failure; the run goes ahead without its line
    }
    if (const std::string failure = backuptool::appendRunLog(logFolder, logLine(job, now)); !failure.empty())
        std::fprintf(stderr, "rnx10-store: the run log cannot be written: %s\n", printableText(failure).c_str());
    backuptool::notifyDesktop("Catching up a missed backup",
                              "The scheduled job " + job.line.jobName + " did not run at " + due +
                                  " while the computer was off; it runs now.",
                              kNoticeLimit, backuptool::NoticeLevel::Information);
}

// Nothing on the schedule and no backup for a week: said once a login, when this runs.
void tellUnscheduledAndStale(const CatchUpOutcome &outcome, std::time_t now, RecordOutput &out)
{
    if (outcome.scheduled || !outcome.lastBackup || now - *outcome.lastBackup <= kStaleBackupSeconds)
        return;
    const std::string summary = "No backup for " + std::to_string((now - *outcome.lastBackup) / 86400) + " days";
    out.item("notice\t" + summary, {{"kind", std::string("notice")}, {"text", summary}});
    backuptool::notifyDesktop(summary,
                              "The newest backup of this computer was made on " + minuteText(*outcome.lastBackup) +
                                  " and no backup is scheduled.",
                              kNoticeLimit);
}

} // namespace

void runCatchUp(const CommandArguments &arguments, RecordOutput &out)
{
    arguments.expectPositional(0, "no arguments");
    const std::time_t now = nowOption(arguments);
    ScheduledTaskService service(std::make_shared<SpawnCommandRunner>(), [now] { return now; });
    SpawnCommandRunner shell;
    const CatchUpOutcome outcome = catchUpMissedJobs(service, shell, computerFolderPath(), catchUpRecordPath(),
                                                     [&](const MissedJob &job) { tellStarting(job, now, out); });
    tellUnscheduledAndStale(outcome, now, out);
}

} // namespace rnx10::store
