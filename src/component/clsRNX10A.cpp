#include "component/clsRNX10A.h"

#include "automation/ObjectRegistry.h"
#include "commands/CommandTable.h"
#include "common/Launching.h"
#include "common/QuickBackup.h"
#include "services/EnvironmentKeys.h"
#include "services/ProgIds.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

namespace rnx10 {

namespace {
RegisterObject<clsRNX10A, clsRNX10A> registration(progid::Component);
}

clsRNX10A::clsRNX10A()
{
    services().beginInstance(); // a failure here means no instance: the count is untouched
}

clsRNX10A::~clsRNX10A() { services().endInstance(); }

Variant clsRNX10A::RunSupportCenter()
{
    const std::string root = services().runtime().EnvironGet(envkey::kSuiteEnvironment, envkey::ProgramRoot);
    StartCommandLine(root + "/1.0/sys/rnx.exe", show::Normal);
    return {};
}

Variant clsRNX10A::ExecuteSupportCenter(std::int32_t &lhWnd, const std::string &key, const std::string &a,
                                        const std::string &b, const Variant &c, const Variant &d)
{
    CommandArguments args{lhWnd, key, a, b, c, d};
    dispatchCommand(args);
    return {};
}

Variant clsRNX10A::RunBackupComputer(std::int32_t lhWnd)
{
    runBackupComputer(lhWnd);
    return {};
}

} // namespace rnx10
