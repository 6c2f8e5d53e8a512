#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/compute.h"

namespace {

using namespace quorix::cli;

struct Command {
    std::string_view name;
    int (*run)(std::span<char *const> args);
    std::string_view usage;
};

// One line per command.
constexpr Command kCommands[] = {
    {"import-csv", runImportCsv, "import-csv --draws FILE CSV"},
    {"draws", runDraws, "draws --draws FILE [--from DATE] [--to DATE]"},
    {"stats", runStats,
     "stats --draws FILE --kind KIND --start DATE --end DATE [--no-saturday] [--no-wednesday]"},
    {"random", runRandom, "random --seed N --below N --count K"},
    {"make-sample", runMakeSample, "make-sample --draws FILE [--to DATE] [--seed N]"},
    {"compute", runCompute,
     "compute --draws FILE --start DATE --end DATE --seed N [--no-saturday] [--no-wednesday] [--set NAME=VALUE]... "
     "[--row R=n1,n2,n3,n4,n5,n6[:LUCKY]]... [--lock R]..."},
};

void printUsage(std::FILE *to) {
    std::fputs("usage: quorix-cli COMMAND ARGUMENTS (dates as YYYY-MM-DD)\n", to);
    for (const Command &c : kCommands)
        std::fprintf(to, "  quorix-cli %.*s\n", int(c.usage.size()), c.usage.data());
}

} // namespace

int main(int argc, char **argv) {
    const std::span<char *const> args(argv, static_cast<std::size_t>(argc));
    if (args.size() < 2) {
        printUsage(stderr);
        return kExitBad;
    }
    const std::string_view name = args[1];
    if (name == "help" || name == "--help") {
        printUsage(stdout);
        return kExitOk;
    }
    for (const Command &c : kCommands)
        if (c.name == name) return c.run(args.subspan(2));
    return fail("unknown command " + std::string(name) + " (try quorix-cli help)");
}
