// Byte counts as size text: any count gives digits only, any double some text.

#include <cstdlib>

#include "store/SizeText.h"
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace rnx10;
    std::uint64_t bytes = 0;
    double count = 0;
    std::memcpy(&bytes, data, std::min(size, sizeof bytes));
    if (size >= 2 * sizeof count)
        std::memcpy(&count, data + sizeof bytes, sizeof count);
    const std::string whole = roundedMegabytes(bytes);
    if (whole.empty() || whole.find_first_not_of("0123456789") != std::string::npos)
        std::abort();
    BytesToMBText(count);
    return 0;
}
