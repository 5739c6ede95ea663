#include "services/ScheduledTaskService.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/SpawnCommandRunner.h"
#include "services/AtJob.h"
#include "services/CrontabText.h"
#include "services/JobSchedule.h"
#include "services/ProgIds.h"

namespace rnx10 {

namespace {
RegisterObject<ScheduledTaskService, ScheduledTaskService> registration(progid::ScheduledTasks);

std::string trimmedLines(const std::string &text)
{
    std::string t = text;
    while (!t.empty() && (t.back() == '\n' || t.back() == '\r' || t.back() == ' '))
        t.pop_back();
    return printableText(t);
}
} // namespace

ScheduledTaskService::ScheduledTaskService()
    : ScheduledTaskService(std::make_shared<SpawnCommandRunner>(), [] { return std::time(nullptr); })
{
}

ScheduledTaskService::ScheduledTaskService(std::shared_ptr<CommandRunner> runner, Clock clock)
    : m_runner(std::move(runner)), m_clock(std::move(clock))
{
}

ScheduledTaskService::~ScheduledTaskService() = default;

void ScheduledTaskService::AddNetScheduleJob(const std::string & /*server*/, const std::string &days,
                                             const std::string &time, std::string &program, std::int32_t &jobId,
                                             bool /*interactive*/, bool &every, std::string &jobName)
{
    if (every)
        addRepeatingJob(days, time, program, jobName);
    else
        jobId = addOnceJob(days, time, program);
}

void ScheduledTaskService::addRepeatingJob(const std::string &days, const std::string &time,
                                           const std::string &program, const std::string &jobName)
{
    // Everything is checked before the crontab is read, so bad input never reaches it.
    const std::string line = cron::jobLine(JobSchedule::parse(days, time), program, jobName);
    const std::string current = cron::crontabFromListing(m_runner->run("crontab", {"-l"}, {}));
    const CommandResult install = m_runner->run("crontab", {"-"}, cron::withJob(current, jobName, line));
    if (install.exitCode != 0)
        throw err::pathFileAccess("crontab: " + trimmedLines(install.err));
}

int ScheduledTaskService::addOnceJob(const std::string &days, const std::string &time, const std::string &program)
{
    const JobSchedule schedule = JobSchedule::parse(days, time);
    const std::string script = atjob::script(program);
    const CommandResult queued = m_runner->run("at", atjob::arguments(schedule.nextRun(m_clock())), script);
    return atjob::jobNumber(queued.exitCode, queued.err);
}

} // namespace rnx10
