#include "FakeTools.h"

#include "support/TestSupport.h"

namespace rnx10::test {

std::string savedOutput(const std::string &name) { return readFile(std::string(RNX10_TEST_DATA) + "/" + name); }

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
    if (program == "at") {
        atJobs.push_back(calls.back());
        return {0, "", savedOutput("at-queued.txt")};
    }
    return {127, "", program + ": not faked\n"};
}

} // namespace rnx10::test
