// The scheduled-task service: the backup tools as jobs of the user's crontab (repeating) or of
// the at queue (once).
#pragma once

#include "automation/AutomationError.h"
#include "services/CrontabText.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

class CommandRunner;
namespace cron {
struct CronJob;
}

// A job of the backup tools as the scheduler holds it now.
struct ScheduledJob {
    std::string name;    // the job's name: "regbak", "shellbak"
    bool every = false;  // a line of the crontab; else a job of the at queue
    std::string when;    // "every M,T,W,TH,F,S,SU at 22:00" in the user's language; for an at job its
                         // time as at gives it
    std::string program; // what the job runs
    int atNumber = 0;    // the at job's number

    bool operator==(const ScheduledJob &) const = default;
};

// What the schedule's health reads: the marked crontab lines with their time fields, the marked at
// jobs, and which of the tools are not installed.
struct ScheduleState {
    std::vector<cron::CronJob> crontabLines;
    std::vector<ScheduledJob> atJobs;
    bool crontabMissing = false;
    bool atMissing = false;
    std::vector<AutomationError> unreadable; // why crontab -l or atq failed, when told, not raised
};

// Whether scheduleState raises when the crontab or the at queue cannot be listed, or tells it in
// the state and reads the other.
enum class UnreadableSchedule { Raise, Tell };

class ScheduledTaskService {
public:
    using Clock = std::function<std::time_t()>;

    // crontab and at run as processes, the clock is the system's.
    ScheduledTaskService();
    ScheduledTaskService(std::shared_ptr<CommandRunner> runner, Clock clock);
    virtual ~ScheduledTaskService();

    // Registers program as the job jobName on the days ("M,T,W,TH,F,S,SU", any of them, any
    // order) at time ("hh:mm", 24-hour). every: one line in the user's crontab, marked with the
    // job's name and replacing the job's earlier line, all other lines kept as they are.
    // Not every: one at job at the next of the days at that time, its script marked with the job's
    // name like the crontab line; its number goes into jobId.
    // server and interactive are accepted and have no meaning here.
    // Raises 5 naming the bad part for days, time, program or job name (nothing is changed), and
    // 75 with the tool's message when crontab or at fails (53 when it is not installed).
    virtual void AddNetScheduleJob(const std::string &server, const std::string &days, const std::string &time,
                                   std::string &program, std::int32_t &jobId, bool interactive, bool &every,
                                   std::string &jobName);

    // The jobs this service registered that are scheduled now: the marked lines of the user's
    // crontab, then the user's at jobs whose script carries a marker, in at's order (none where at
    // is not installed). Raises 75 with the tool's message when crontab or at fails, 53 when
    // crontab is not installed.
    virtual std::vector<ScheduledJob> scheduledJobs();

    // Takes the job off the schedule: its crontab line(s), or the at job of its number. Raises as
    // scheduledJobs does; a job that is gone already is no error.
    virtual void removeJob(const ScheduledJob &job);

    // The marked lines of the user's crontab (time fields, command, job name). Raises as
    // scheduledJobs does.
    virtual std::vector<cron::CronJob> markedCrontabLines();

    // Puts line, a whole crontab line ending in the job's marker, in place of the job's earlier
    // line(s), or appends it; every other line stays as it is. Raises 5 for a bad job name and as
    // AddNetScheduleJob does when crontab fails.
    virtual void putCrontabLine(const std::string &jobName, const std::string &line);

    // Installs change(the crontab as it is now) as the user's crontab, with the thinning lines
    // following the backup lines it holds then. Raises as putCrontabLine does and what change raises
    // (nothing is installed then).
    virtual void replaceCrontab(const std::function<std::string(const std::string &)> &change);

    // The schedule as it stands, for its health: a tool that is not installed is told, not raised.
    // Raises 75 with the tool's message when crontab or atq fails, unless told to tell it.
    virtual ScheduleState scheduleState(UnreadableSchedule unreadable = UnreadableSchedule::Raise);

    // Now, by the service's clock.
    std::time_t now() const { return m_clock(); }

private:
    std::vector<ScheduledJob> crontabJobs();
    std::vector<ScheduledJob> atJobs();
    std::vector<ScheduledJob> markedAtJobs(); // raises 53 when at is not installed
    void addRepeatingJob(const std::string &days, const std::string &time, const std::string &program,
                         const std::string &jobName);
    int addOnceJob(const std::string &days, const std::string &time, const std::string &program,
                   const std::string &jobName);

    std::shared_ptr<CommandRunner> m_runner;
    Clock m_clock;
    std::string m_user; // whose at jobs are listed (root's atq lists everyone's)
};

} // namespace rnx10
