#include "BenchOptions.h"

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace rnx10::bench {

namespace {

[[noreturn]] void usage(int status)
{
    std::fprintf(status ? stderr : stdout,
                 "usage: rnx10-bench [--files N] [--runs N] [--dir PATH] [--json] [--keep] [--skip-writes]\n"
                 "                   [--load N] [--syscalls] [--only GROUP,...]\n"
                 "  Builds a synthetic backup store of about N files (default 200000) in a scratch\n"
                 "  folder below PATH (default $TMPDIR or /tmp) and times the library's walks against\n"
                 "  du, find, cp -a, rm -rf and rsync -n: the median of N alternating runs (default 5), warm cache.\n"
                 "  --skip-writes leaves out copy, delete and restore (for very large stores).\n"
                 "  --load N starts N busy processes (at most 16) for the whole run.\n"
                 "  --syscalls also counts each walk's system calls per file, and the tool's, with strace.\n"
                 "  --only measures these groups of rows alone: size, report, copy, delete, compare, scan,\n"
                 "  thin, click, search, memory, restore.\n");
    std::exit(status);
}

std::uint64_t count(const char *text)
{
    char *end = nullptr;
    unsigned long long n = std::strtoull(text, &end, 10);
    if (!end || *end || n == 0)
        usage(2);
    return n;
}

} // namespace

bool BenchOptions::wants(const std::string &group) const
{
    return only.empty() || std::find(only.begin(), only.end(), group) != only.end();
}

BenchOptions parseOptions(int argc, char **argv)
{
    BenchOptions o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        bool hasValue = i + 1 < argc;
        if (a == "--files" && hasValue)
            o.files = count(argv[++i]);
        else if (a == "--runs" && hasValue)
            o.runs = static_cast<int>(count(argv[++i]));
        else if (a == "--load" && hasValue) {
            o.load = static_cast<int>(count(argv[++i]));
            if (o.load > 16)
                usage(2);
        } else if (a == "--dir" && hasValue)
            o.dir = argv[++i];
        else if (a == "--size-only" && hasValue)
            o.sizeOnly = argv[++i];
        else if (a == "--walk" && i + 2 < argc) {
            o.walk = {argv[i + 1], argv[i + 2]};
            i += 2;
            if ((o.walk[0] == "copy" || o.walk[0] == "report") && i + 1 < argc)
                o.walk.push_back(argv[++i]);
        } else if (a == "--json")
            o.json = true;
        else if (a == "--syscalls")
            o.syscalls = true;
        else if (a == "--skip-writes")
            o.skipWrites = true;
        else if (a == "--keep")
            o.keep = true;
        else if (a == "--only" && hasValue) {
            std::string list = argv[++i];
            for (std::size_t start = 0; start <= list.size();) {
                const std::size_t end = std::min(list.find(',', start), list.size());
                o.only.push_back(list.substr(start, end - start));
                start = end + 1;
            }
        }
        else if (a == "--help" || a == "-h")
            usage(0);
        else
            usage(2);
    }
    return o;
}

} // namespace rnx10::bench
