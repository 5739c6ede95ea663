#include "RestoreToCommand.h"

#include "backup_browser/core/RestoreTo.h"
#include "platform/Translation.h"
#include "services/ServiceSet.h"

namespace rnx10::store {

void runRestoreTo(const CommandArguments &arguments, RecordOutput &out)
{
    //: The argument names as the usage shows them, after "expected".
    arguments.expectPositional(2, tx("rnx10-store", "PATH TARGET-FOLDER"));
    const std::string made = restoreTo(services().fileSystem(), arguments.positional()[0], arguments.positional()[1]);
    out.item(made, {{"path", made}});
}

} // namespace rnx10::store
