// The scheduled-task service: the backup tools as jobs of the user's crontab (repeating) or of
// the at queue (once).
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

namespace rnx10 {

class CommandRunner;

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
    // Not every: one at job at the next of the days at that time; its number goes into jobId.
    // server and interactive are accepted and have no meaning here.
    // Raises 5 naming the bad part for days, time, program or job name (nothing is changed), and
    // 75 with the tool's message when crontab or at fails (53 when it is not installed).
    virtual void AddNetScheduleJob(const std::string &server, const std::string &days, const std::string &time,
                                   std::string &program, std::int32_t &jobId, bool interactive, bool &every,
                                   std::string &jobName);

private:
    void addRepeatingJob(const std::string &days, const std::string &time, const std::string &program,
                         const std::string &jobName);
    int addOnceJob(const std::string &days, const std::string &time, const std::string &program);

    std::shared_ptr<CommandRunner> m_runner;
    Clock m_clock;
};

} // namespace rnx10
