#include "RestoreToCommand.h"

#include "store/RestoreTo.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"
#include "services/ServiceSet.h"

#include <cstdio>
#include <vector>

namespace rnx10::store {

void runRestoreTo(const CommandArguments &arguments, RecordOutput &out)
{
    //: The argument names as the usage shows them, after "expected".
    arguments.expectPositional(2, tx("rnx10-store", "PATH TARGET-FOLDER"));
    std::vector<std::string> skipped;
    const std::string made = restoreTo(services().fileSystem(), arguments.positional()[0], arguments.positional()[1], &skipped);
    out.item(made, {{"path", made}});
    // Told on standard error: the output a script reads stays the one path made.
    for (const std::string &path : skipped)
        std::fprintf(stderr, "rnx10-store: %s\n",
                     printableText(fillIn(tx("rnx10-store", "not restored (a socket or device): %1"), {path})).c_str());
}

} // namespace rnx10::store
