#include "FakeTools.h"

#include "automation/AutomationError.h"
#include "support/TestSupport.h"

#include <pwd.h>
#include <unistd.h>

namespace rnx10::test {

std::string savedOutput(const std::string &name) { return readFile(std::string(RNX10_TEST_DATA) + "/" + name); }

std::string testUser()
{
    const passwd *user = ::getpwuid(::geteuid());
    return user ? user->pw_name : "";
}

namespace {
// What `at -c` prints before a job's own script.
std::string preamble(const std::string &user)
{
    return "#!/bin/sh\n# atrun uid=1000 gid=1000\n# mail " + user +
           " 0\numask 22\nHOME=/home/u; export HOME\ncd /home/u || {\n\t echo 'Execution directory inaccessible' "
           ">&2\n\t exit 1\n}\n";
}
} // namespace

int FakeTools::queueAt(const std::string &script, const std::string &user)
{
    const int number = nextAtNumber++;
    atQueue[number] = {script, "Fri Dec 11 22:00:00 2026", user};
    return number;
}

CommandResult FakeTools::run(const std::string &program, const std::vector<std::string> &arguments,
                             const std::string &input)
{
    calls.push_back({program, arguments, input});
    if (program == "crontab" && arguments == std::vector<std::string>{"-l"}) {
        if (!crontab)
            return {1, "", savedOutput("crontab-list-none.txt")};
        return {0, *crontab, ""};
    }
    if (program == "crontab" && arguments == std::vector<std::string>{"-"}) {
        if (refuseInstall)
            return {1, "", savedOutput("crontab-install-refused.txt")};
        crontab = input;
        return {0, "", ""};
    }
    if (program == "at" || program == "atq" || program == "atrm") {
        if (atMissing)
            throw err::fileNotFound(program);
        return runAt(program, arguments, input);
    }
    return {127, "", program + ": not faked\n"};
}

CommandResult FakeTools::runAt(const std::string &program, const std::vector<std::string> &arguments,
                               const std::string &input)
{
    if (program == "atq") {
        if (atqFailure)
            return {1, "", *atqFailure};
        std::string listing;
        for (const auto &[number, job] : atQueue)
            listing += std::to_string(number) + "\t" + job.when + " a " + job.user + "\n";
        return {0, listing, ""};
    }
    const bool show = program == "at" && arguments.size() == 2 && arguments[0] == "-c";
    const bool remove = program == "atrm" && arguments.size() == 1;
    if (show || remove) {
        const std::string &number = arguments.back();
        const auto found = atQueue.find(std::stoi(number));
        if (found == atQueue.end())
            return {1, "", "Cannot find jobid " + number + "\n"};
        if (show)
            return {0, preamble(found->second.user) + found->second.script + "\n", ""};
        atQueue.erase(found);
        return {0, "", ""};
    }
    if (program != "at")
        return {127, "", program + ": not faked\n"};
    atJobs.push_back(calls.back());
    const int number = queueAt(input, testUser());
    std::string queued = savedOutput("at-queued.txt");
    queued.replace(queued.find("job 1 "), 6, "job " + std::to_string(number) + " ");
    return {0, "", queued};
}

} // namespace rnx10::test
