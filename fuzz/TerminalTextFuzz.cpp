// Any bytes made terminal-safe: no control byte is left, and the result is safe already, so a
// second pass changes nothing (no stray byte, C1 control or direction mark is left either).
#include "platform/TerminalText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string printed = rnx10::printableText(std::string(reinterpret_cast<const char *>(data), size));
    for (unsigned char c : printed)
        if (c < 0x20 || c == 0x7F)
            std::abort();
    if (rnx10::printableText(printed) != printed)
        std::abort();
    return 0;
}
