#include "platform/ComputerName.h"

#include <unistd.h>

namespace rnx10 {

std::string GetMachineName()
{
    char buffer[256] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0)
        return {};
    return buffer;
}

} // namespace rnx10
