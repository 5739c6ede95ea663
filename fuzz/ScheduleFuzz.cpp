// Days and time as typed into the schedule dialog, and the crontab line they become.
#include "FuzzInput.h"

#include "automation/AutomationError.h"
#include "services/CrontabText.h"
#include "services/JobSchedule.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace rnx10;
    const auto f = fuzz::fields(data, size, 4); // days, time, program, crontab
    try {
        const JobSchedule s = JobSchedule::parse(f[0], f[1]);
        if (s.hour() < 0 || s.hour() > 23 || s.minute() < 0 || s.minute() > 59)
            std::abort();
        s.nextRun(1700000000);
        const std::string line = cron::jobLine(s, f[2], "regbak");
        // Nothing typed may start a crontab line of its own.
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
        const std::string tab = cron::withJob(f[3], "regbak", line);
        if (!tab.empty() && tab.back() != '\n')
            std::abort();
    } catch (const AutomationError &e) {
        if (e.number() != 5)
            std::abort();
    }
    return 0;
}
