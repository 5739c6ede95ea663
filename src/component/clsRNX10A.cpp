#include "component/clsRNX10A.h"

#include "automation/ObjectRegistry.h"
#include "commands/CommandTable.h"
#include "commands/Launching.h"
#include "commands/QuickBackup.h"
#include "component/ServiceSet.h"
#include "services/ProgIds.h"
#include "services/RuntimeService.h"

namespace rnx10 {

namespace {
RegisterObject<clsRNX10A, clsRNX10A> registration(progid::Component);
}

clsRNX10A::clsRNX10A()
{
    ServiceSet &set = services();
    set.createServices(); // a failure here means no instance: the count is untouched
    set.instanceCreated();
}

clsRNX10A::~clsRNX10A() { services().instanceEnded(); }

Variant clsRNX10A::RunSupportCenter()
{
    const std::string root = services().runtime().EnvironGet(2, "ZVENVSYS32MASK");
    StartCommandLine(root + "/1.0/sys/rnx.exe", 1);
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
