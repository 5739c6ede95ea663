// A settings file with arbitrary bytes: read the details keys, then replace a value and read it back.
#include "FuzzInput.h"

#include "automation/AutomationError.h"
#include "services/IniFile.h"
#include "services/IniText.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

char g_scratch[] = "/tmp/rnx10-fuzz-ini-XXXXXX";

const char *scratchFile()
{
    static const bool made = [] {
        ::close(::mkstemp(g_scratch));
        std::atexit([] { std::remove(g_scratch); });
        return true;
    }();
    (void)made;
    return g_scratch;
}

void put(const std::string &text)
{
    std::ofstream out(scratchFile(), std::ios::binary | std::ios::trunc);
    out << text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace rnx10;
    const auto f = fuzz::fields(data, size, 4); // file text, section, key, value
    put(f[0]);
    for (const char *key : {"SourceDir", "DestinationDir", "Computer", "WindowsUser", "NowStamp"})
        IniFile::read(scratchFile(), "DETAILS", key);
    std::string changed;
    try {
        changed = IniText::setValue(f[0], f[1], f[2], f[3]);
    } catch (const AutomationError &e) {
        if (e.number() != 5)
            std::abort();
        return 0;
    }
    // Setting the same value again changes nothing more.
    if (IniText::setValue(changed, f[1], f[2], f[3]) != changed)
        std::abort();
    return 0;
}
