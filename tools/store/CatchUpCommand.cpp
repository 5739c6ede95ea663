#include "CatchUpCommand.h"

#include "DesktopNotice.h"
#include "NowOption.h"
#include "RunLog.h"
#include "automation/AutomationError.h"
#include "platform/SpawnCommandRunner.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"
#include "health/CatchUp.h"
#include "services/EnvironmentKeys.h"
#include "services/MinuteText.h"
#include "health/ScheduleHealth.h"
#include "store/StoreLocation.h"

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
        std::fprintf(stderr, "rnx10-store: %s\n",
                     fillIn(tx("rnx10-store", "the run log cannot be written: %1"), {printableText(failure)}).c_str());
    backuptool::notifyDesktop(tx("rnx10-store", "Catching up a missed backup"),
                              fillIn(tx("rnx10-store", "The scheduled job %1 did not run at %2 while the computer was off; it runs now."),
                                     {job.line.jobName, due}),
                              kNoticeLimit, backuptool::NoticeLevel::Information);
}

// Nothing on the schedule and no backup for a week: said once a login, when this runs.
void tellUnscheduledAndStale(const CatchUpOutcome &outcome, std::time_t now, RecordOutput &out)
{
    if (outcome.scheduled || !outcome.lastBackup || now - *outcome.lastBackup <= kStaleBackupSeconds)
        return;
    const std::time_t days = (now - *outcome.lastBackup) / 86400;
    const int dayCount = static_cast<int>(days);
    // The item is a record and stays as it is; the desktop notice is in the user's language.
    const std::string summary = "No backup for " + std::to_string(days) + " days";
    out.item("notice\t" + summary, {{"kind", std::string("notice")}, {"text", summary}});
    backuptool::notifyDesktop(tx("rnx10-store", "No backup for %n days", nullptr, dayCount),
                              fillIn(tx("rnx10-store", "The newest backup of this computer was made on %1 and no backup is scheduled."),
                                     {minuteText(*outcome.lastBackup)}),
                              kNoticeLimit);
}

} // namespace

void runCatchUp(const CommandArguments &arguments, RecordOutput &out)
{
    //: After "expected".
    arguments.expectPositional(0, tx("rnx10-store", "no arguments"));
    const std::time_t now = nowOption(arguments);
    ScheduledTaskService service(std::make_shared<SpawnCommandRunner>(), [now] { return now; });
    SpawnCommandRunner shell;
    const CatchUpOutcome outcome = catchUpMissedJobs(service, shell, computerFolderPath(), catchUpRecordPath(),
                                                     [&](const MissedJob &job) { tellStarting(job, now, out); });
    tellUnscheduledAndStale(outcome, now, out);
}

} // namespace rnx10::store
