#include "services/ScheduledTaskService.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/SpawnCommandRunner.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"
#include "services/AtJob.h"
#include "services/CrontabText.h"
#include "services/JobSchedule.h"
#include "services/ThinningLines.h"
#include "services/ProgIds.h"

#include <pwd.h>
#include <unistd.h>

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

std::string currentUser()
{
    const passwd *user = ::getpwuid(::geteuid());
    return user ? user->pw_name : std::string();
}

// When a crontab job runs, for the schedule dialog's list; the day codes and the time as typed.
std::string describeRepeating(const cron::CronJob &line)
{
    const std::optional<JobSchedule> schedule = JobSchedule::fromCronFields(line.fields);
    if (!schedule)
        return fillIn(tx("ScheduledTaskService", "cron %1"), {line.fields});
    return fillIn(tx("ScheduledTaskService", "every %1 at %2"), {schedule->daysText(), schedule->timeText()});
}

void checkTool(const char *what, const CommandResult &result)
{
    if (result.exitCode != 0)
        throw err::pathFileAccess(std::string(what) + ": " + trimmedLines(result.err));
}
} // namespace

ScheduledTaskService::ScheduledTaskService()
    : ScheduledTaskService(std::make_shared<SpawnCommandRunner>(), [] { return std::time(nullptr); })
{
}

ScheduledTaskService::ScheduledTaskService(std::shared_ptr<CommandRunner> runner, Clock clock)
    : m_runner(std::move(runner)), m_clock(std::move(clock)), m_user(currentUser())
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
        jobId = addOnceJob(days, time, program, jobName);
}

void ScheduledTaskService::addRepeatingJob(const std::string &days, const std::string &time,
                                           const std::string &program, const std::string &jobName)
{
    // Everything is checked before the crontab is read, so bad input never reaches it.
    putCrontabLine(jobName, cron::jobLine(JobSchedule::parse(days, time), program, jobName));
}

void ScheduledTaskService::putCrontabLine(const std::string &jobName, const std::string &line)
{
    cron::checkJobName(jobName);
    replaceCrontab([&](const std::string &current) { return cron::withJob(current, jobName, line); });
}

void ScheduledTaskService::replaceCrontab(const std::function<std::string(const std::string &)> &change)
{
    const std::string current = cron::crontabFromListing(m_runner->run("crontab", {"-l"}, {}));
    // The thinning lines follow the backup lines' times whenever one changes.
    const std::string changed = withThinningFollowingBackups(change(current));
    if (changed != current)
        checkTool("crontab", m_runner->run("crontab", {"-"}, changed));
}

std::vector<cron::CronJob> ScheduledTaskService::markedCrontabLines()
{
    return cron::markedJobs(cron::crontabFromListing(m_runner->run("crontab", {"-l"}, {})));
}

int ScheduledTaskService::addOnceJob(const std::string &days, const std::string &time, const std::string &program,
                                    const std::string &jobName)
{
    const JobSchedule schedule = JobSchedule::parse(days, time);
    const std::string script = atjob::script(program, jobName);
    const CommandResult queued = m_runner->run("at", atjob::arguments(schedule.nextRun(m_clock())), script);
    return atjob::jobNumber(queued.exitCode, queued.err);
}

std::vector<ScheduledJob> ScheduledTaskService::scheduledJobs()
{
    std::vector<ScheduledJob> jobs = crontabJobs();
    for (ScheduledJob &job : atJobs())
        jobs.push_back(std::move(job));
    return jobs;
}

std::vector<ScheduledJob> ScheduledTaskService::crontabJobs()
{
    std::vector<ScheduledJob> jobs;
    for (const cron::CronJob &line : markedCrontabLines())
        jobs.push_back({line.jobName, true, describeRepeating(line), cron::unquotedCommand(line.command), 0});
    return jobs;
}

std::vector<ScheduledJob> ScheduledTaskService::atJobs()
{
    try {
        return markedAtJobs();
    } catch (const AutomationError &e) {
        if (e.number() == err::FileNotFound)
            return {}; // without at nothing can be queued either
        throw;
    }
}

std::vector<ScheduledJob> ScheduledTaskService::markedAtJobs()
{
    const CommandResult listing = m_runner->run("atq", {}, {});
    checkTool("atq", listing);
    std::vector<ScheduledJob> jobs;
    for (const atjob::QueuedJob &queued : atjob::queuedJobs(listing.out)) {
        if (!m_user.empty() && queued.user != m_user)
            continue;
        // A job that ran or was removed since the listing is simply not shown.
        const CommandResult shown = m_runner->run("at", {"-c", std::to_string(queued.number)}, {});
        if (shown.exitCode != 0)
            continue;
        if (const auto marked = atjob::markedScript(shown.out))
            jobs.push_back({marked->jobName, false, queued.when, cron::unquotedCommand(marked->command), queued.number});
    }
    return jobs;
}

ScheduleState ScheduledTaskService::scheduleState(UnreadableSchedule unreadable)
{
    ScheduleState state;
    // A tool that is not installed is told as missing; one that fails is raised, or told.
    const auto reading = [&](auto &&read, bool &missing) {
        try {
            read();
        } catch (const AutomationError &e) {
            if (e.number() == err::FileNotFound)
                missing = true;
            else if (unreadable == UnreadableSchedule::Tell)
                state.unreadable.push_back(e);
            else
                throw;
        }
    };
    reading([&] { state.crontabLines = cron::markedJobs(cron::crontabFromListing(m_runner->run("crontab", {"-l"}, {}))); },
            state.crontabMissing);
    reading([&] { state.atJobs = markedAtJobs(); }, state.atMissing);
    return state;
}

void ScheduledTaskService::removeJob(const ScheduledJob &job)
{
    if (job.every) {
        cron::checkJobName(job.name);
        replaceCrontab([&](const std::string &current) { return cron::withoutJob(current, job.name); });
        return;
    }
    // Only a job that still is this one: its number may have run and been given to another.
    const std::string number = std::to_string(job.atNumber);
    const CommandResult shown = m_runner->run("at", {"-c", number}, {});
    const auto marked = shown.exitCode == 0 ? atjob::markedScript(shown.out) : std::nullopt;
    if (!marked || marked->jobName != job.name)
        return;
    const CommandResult removed = m_runner->run("atrm", {number}, {});
    if (removed.exitCode != 0 && removed.err.find("Cannot find jobid") == std::string::npos)
        checkTool("atrm", removed);
}

} // namespace rnx10
