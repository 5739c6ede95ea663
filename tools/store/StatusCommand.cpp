#include "StatusCommand.h"

#include "NowOption.h"
#include "platform/SpawnCommandRunner.h"
#include "platform/Translation.h"
#include "services/MinuteText.h"
#include "health/ScheduleHealth.h"
#include "store/StoreLocation.h"

#include <memory>

namespace rnx10::store {

namespace {

void printLast(const std::optional<std::time_t> &last, std::time_t now, RecordOutput &out)
{
    if (!last) {
        out.item("last\tnone", {{"kind", std::string("last")}});
        return;
    }
    const std::string when = minuteText(*last), age = spanText(now - *last);
    out.item("last\t" + when + "\t" + age, {{"kind", std::string("last")},
                                              {"time", when},
                                              {"age", age},
                                              {"ageSeconds", static_cast<std::int64_t>(now - *last)}});
}

void printJob(const JobHealth &job, RecordOutput &out)
{
    const std::string next = job.next ? minuteText(*job.next) : std::string("unknown");
    // A queued job whose time has passed never ran: it is overdue, not due "next".
    out.item("job\t" + job.name + (job.overdue ? "\toverdue since " : "\tnext ") + next + "\t" + job.program,
             {{"kind", std::string("job")},
              {"name", job.name},
              {"scheduler", std::string(job.every ? "crontab" : "at")},
              {"next", job.next ? next : std::string()},
              {"overdue", job.overdue},
              {"program", job.program}});
}

} // namespace

void runStatus(const CommandArguments &arguments, RecordOutput &out)
{
    //: After "expected".
    arguments.expectPositional(0, tx("rnx10-store", "no arguments"));
    const std::time_t now = nowOption(arguments);
    ScheduledTaskService service(std::make_shared<SpawnCommandRunner>(), [now] { return now; });
    const ScheduleHealth health = scheduleHealth(currentHealthInputs(service, computerFolderPath()));
    printLast(health.lastBackup, now, out);
    for (const JobHealth &job : health.jobs)
        printJob(job, out);
    for (const std::string &warning : health.warnings)
        out.item("warning\t" + warning, {{"kind", std::string("warning")}, {"text", warning}});
}

} // namespace rnx10::store
