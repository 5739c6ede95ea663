#include "RestoreToCommand.h"

#include "backup_browser/core/RestoreTo.h"
#include "services/ServiceSet.h"

namespace rnx10::store {

void runRestoreTo(const CommandArguments &arguments, RecordOutput &out)
{
    arguments.expectPositional(2, "PATH TARGET-FOLDER");
    const std::string made = restoreTo(services().fileSystem(), arguments.positional()[0], arguments.positional()[1]);
    out.item(made, {{"path", made}});
}

} // namespace rnx10::store
