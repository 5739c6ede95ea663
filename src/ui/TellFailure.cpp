#include "ui/TellFailure.h"

#include "automation/AutomationError.h"
#include "platform/Platform.h"
#include "platform/walk/WalkProgress.h"

namespace rnx10 {

void tellFailure(const AutomationError &error)
{
    if (error.number() != walk::UserInterrupt)
        platform().prompt->tell(error.description(), kDefaultTitle, Icon::Critical);
}

void tellFailure(const std::exception &error) { platform().prompt->tell(error.what(), kDefaultTitle, Icon::Critical); }

} // namespace rnx10
