// rnx10-store COMMAND [ARGS]: the backup store on the command line, through the same cores as the
// browser's windows.
#include "StoreCommands.h"

#include "automation/AutomationError.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"
#include "services/ServiceSet.h"

#include <unistd.h>

#include <cstdio>
#include <clocale>
#include <cstring>
#include <exception>

using namespace rnx10;
using namespace rnx10::store;

namespace {

// The characters (not bytes) before word in line; fallback when it is not there.
std::size_t columnOf(const std::string &line, const char *word, std::size_t fallback)
{
    const std::size_t at = line.find(word);
    if (at == std::string::npos)
        return fallback;
    std::size_t column = 0;
    for (std::size_t i = 0; i < at; ++i)
        column += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;
    return column;
}

void printUsage(std::FILE *to)
{
    const std::string first = tx("rnx10-store", "usage: rnx10-store [--json] COMMAND [ARGS]");
    // The further lines line up under the program's name in the first, whatever word leads it.
    const std::string indent(columnOf(first, "rnx10-store", 7), ' ');
    std::fprintf(to, "%s\n", first.c_str());
    for (const StoreCommand &c : storeCommands())
        std::fprintf(to, "%srnx10-store [--json] %s %s\n", indent.c_str(), c.name,
                     tx("rnx10-store", c.synopsis).c_str());
    std::fprintf(to, "%srnx10-store --help\n", indent.c_str());
}

void printParagraph(const std::string &text)
{
    std::fputs(text.c_str(), stdout);
    std::fputc('\n', stdout);
}

int usage(const std::string &why)
{
    std::fprintf(stderr, "rnx10-store: %s\n", printableText(why).c_str());
    printUsage(stderr);
    return 2;
}

int help()
{
    printUsage(stdout);
    std::fputc('\n', stdout);
    printParagraph(tx("rnx10-store", "The backup store of this computer (ZVENVSBAK/<computer name>) on the command line."));
    std::fputc('\n', stdout);
    for (const StoreCommand &c : storeCommands())
        std::printf("  %-12s %s\n", c.name, tx("rnx10-store", c.summary).c_str());
    std::fputc('\n', stdout);
    printParagraph(tx("rnx10-store", "The store is found as the support centre finds it: the process environment, then\n"
                                     "$XDG_CONFIG_HOME/zorvane/environment.ini, then the defaults."));
    printParagraph(tx("rnx10-store", "Output: one item a line; raw bytes when standard output is not a terminal, control\n"
                                     "characters escaped when it is. --json prints the same items as one JSON array of objects\n"
                                     "(bytes that are not UTF-8 as U+DC80 + byte)."));
    printParagraph(tx("rnx10-store", "Exit status: 0 on success; 1 on an error, printed as \"rnx10-store: error N: DESCRIPTION\";\n"
                                     "2 on wrong usage."));
    return 0;
}

const StoreCommand *commandNamed(const std::string &name)
{
    for (const StoreCommand &c : storeCommands())
        if (name == c.name)
            return &c;
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    // The user's language, as the windows have it (QCoreApplication sets it there): find matches
    // and folds case by the locale's characters, as "find -iname" does, not by bytes.
    std::setlocale(LC_ALL, "");
    std::vector<std::string> words;
    bool json = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        optionsEnded = optionsEnded || word == "--";
        if (!optionsEnded && word == "--json")
            json = true;
        else if (!optionsEnded && (word == "--help" || word == "-h"))
            return help();
        else
            words.push_back(word);
    }
    if (words.empty())
        return usage(tx("rnx10-store", "no command given"));
    const StoreCommand *command = commandNamed(words.front());
    if (!command)
        return usage(fillIn(tx("rnx10-store", "unknown command \"%1\""), {words.front()}));
    try {
        const CommandArguments arguments({words.begin() + 1, words.end()}, command->valueOptions, command->flagOptions);
        const ServiceUse use;
        RecordOutput out(stdout, json, ::isatty(STDOUT_FILENO) == 1);
        command->run(arguments, out);
        out.finish();
        // Anything passed over with a warning fails the command, as it fails find.
        return std::fflush(stdout) == 0 && !out.warned() ? 0 : 1;
    } catch (const UsageError &e) {
        return usage(std::string(command->name) + ": " + e.what());
    } catch (const AutomationError &e) {
        std::fflush(stdout);
        std::fprintf(stderr, "rnx10-store: error %d: %s\n", static_cast<int>(e.number()),
                     printableText(shownDescription(e)).c_str());
        return 1;
    } catch (const std::exception &e) {
        std::fflush(stdout);
        std::fprintf(stderr, "rnx10-store: error 5: %s\n", printableText(e.what()).c_str());
        return 1;
    }
}
