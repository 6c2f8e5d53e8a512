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
    std::string_view summary;
    // The lists a command's help adds (statistic kinds, parameter names), or nullptr.
    std::string (*details)();
};

constexpr Command kCommands[] = {
    {"import-csv", runImportCsv, "import-csv --draws FILE CSV",
     "Merges the draws of a draw CSV into the draw file FILE (created when missing).", nullptr},
    {"draws", runDraws, "draws --draws FILE [--from DATE] [--to DATE]",
     "Prints the draws of FILE dated --from..--to as draw CSV.", nullptr},
    {"stats", runStats,
     "stats --draws FILE --kind KIND --start DATE --end DATE [--no-saturday] [--no-wednesday]",
     "Runs one number statistic and prints it as one JSON line; --start is 1990-03-17 or later.",
     statsDetails},
    {"random", runRandom, "random --seed N --below N --count K",
     "Prints K values 0..below-1 of the program's random generator, started at --seed.", nullptr},
    {"make-sample", runMakeSample, "make-sample --draws FILE [--to DATE] [--seed N]",
     "Writes a made-up draw history (sample data, not real results) up to --to (default and latest: "
     "today).",
     nullptr},
    {"check", runCheck, "check --draws FILE --tips FILE.zqt [--date DATE]",
     "Checks a tip file against the first draw on or after --date (default: the newest draw) and "
     "prints the hits of each row as one JSON line; an incomplete row has no numbers and no hits.",
     nullptr},
    {"serve", runServe, "serve --draws FILE [--port N] [--bind ADDRESS]",
     "Answers the number server's protocol from the draw file FILE on ADDRESS (default 127.0.0.1).",
     serveDetails},
    {"update", runUpdate,
     "update --draws FILE --server URL [--proxy HOST:PORT] [--today DATE] [--from DATE] [--timeout-ms N]",
     "Brings FILE up to date from the number server at URL and prints the outcome as one JSON line.",
     updateDetails},
    {"compute", runCompute,
     "compute --draws FILE --start DATE --end DATE --seed N [--no-saturday] [--no-wednesday] [--set "
     "NAME=VALUE]... "
     "[--row R=n1,n2,n3,n4,n5,n6[:LUCKY]]... [--lock R]...",
     "Runs one tip computation and prints it as one JSON line; --start is 1990-03-17 or later.",
     computeDetails},
    {"search", runSearch,
     "search --draws FILE --start DATE --end DATE --threshold H [--no-saturday] [--no-wednesday] "
     "[--row R=n1,n2,n3,n4,n5,n6[:LUCKY]]...",
     "Searches the tip rows in the draws dated --start..--end (Saturday and Sunday draws, Wednesday "
     "draws) and prints, as one JSON line, the draws searched and every row with H hits or more, "
     "draw by draw, row by row; --start is 1990-03-17 or later.",
     nullptr},
    {"joker-stats", runJokerStats,
     "joker-stats --draws FILE --start DATE --end DATE --position 1..7 --mode often|outstanding",
     "Counts the Joker digits 0..9 at one position (1 = first digit, 7 = all six) over the draws dated "
     "--start..--end (a --start after --end means the year before --end); draws without a Joker "
     "(000000) are skipped. often: how often each digit was drawn; outstanding: draws since it was last "
     "drawn. Prints {\"counts\":[10 counts],\"drawCount\":D,\"digitTotal\":T}.",
     nullptr},
    {"joker-find", runJokerFind, "joker-find --draws FILE --number DDDDDD",
     "Prints the date of the oldest draw whose Joker is DDDDDD as {\"date\":\"YYYY-MM-DD\"}, or "
     "{\"date\":null}.",
     nullptr},
    {"joker-new", runJokerNew, "joker-new --draws FILE --seed N --level L",
     "Draws a new Joker number with the program's random generator started at --seed, redrawn until its "
     "final digits (level 1: all six, 2: last 5, 3: last 4, 4 and above: last 3; 0 or less: none) match "
     "no drawn Joker; after more than 1000 redraws the level drops by one. Prints "
     "{\"number\":\"DDDDDD\",\"level\":L} with the level in force at the end.",
     nullptr},
    {"ticket-marks", runTicketMarks,
     "ticket-marks --tips FILE.zqt [--top T] [--left L] [--saturday] [--wednesday] [--joker K]...",
     "Prints where the ticket printing puts its marks for the tip file, in 1/96 inch from the page's "
     "top-left corner, with the offsets --top (default 53) and --left (default 32), 0..100, the draw days "
     "and the ticked Jokers K (1..3), as {\"marks\":[{\"kind\":\"number\"|\"lucky\"|\"day\"|\"joker\","
     "\"row\":R,\"field\":F,\"left\":X,\"top\":Y},...]} in the order they are set: the day mark, the "
     "Jokers, then each row's numbers and its lucky mark (row and field only where they apply). A row "
     "whose first field is empty while it holds other numbers or a lucky number, or a lucky box that is "
     "not - or a whole number, is refused.",
     nullptr},
    {"analyse-parameters", runAnalyseParameters,
     "analyse-parameters --draws FILE --start DATE --from DATE --seed N [--no-saturday] [--no-wednesday] "
     "[--recompute-after-win] [--set NAME=VALUE]... [--row R=n1,n2,n3,n4,n5,n6[:LUCKY]]... [--lock R]... "
     "[--today DATE]",
     "Walks forward from the end date --from as the window's parameter analysis does: tips computed as if "
     "each draw were the newest (the generator set to --seed every turn; --start, --set, --row and --lock "
     "as in compute), checked against the next draw (3 days on with both weekdays, else 6). "
     "--recompute-after-win keeps the tips after a turn without three hits. --today (default: today) ends "
     "nothing but a walk started on it, which does no turn. Prints {\"turns\":N,\"table\":[[Saturday, "
     "Saturday with bonus hit, Wednesday, Wednesday with bonus hit] for hits 0..6],\"expected\":[the same "
     "for random tips]}.",
     computeDetails},
    {"analyse-repetition", runAnalyseRepetition,
     "analyse-repetition --draws FILE --start DATE --from DATE [--no-saturday] [--no-wednesday] "
     "[--threshold H]",
     "Takes the draw on or after --from and each next draw older than the newest (as the draw browser "
     "steps with the weekday boxes) as a tip and counts the numbers it shares with every earlier draw "
     "dated --start or later and with the next three draws; every earlier draw sharing H (default 7) or more "
     "is listed. Prints "
     "{\"turns\":N,\"earlier\":[7 counts],\"next1\":[...],\"next2\":[...],\"next3\":[...],"
     "\"matches\":[{\"draw\":\"YYYY-MM-DD\",\"earlier\":\"YYYY-MM-DD\"}, ...]}; --start is 1990-03-17 or "
     "later.",
     nullptr},
    {"fill-script", runFillScript,
     "fill-script --script FILE.zqs --tips FILE.zqt [--saturday] [--wednesday] [--joker K]...",
     "Prints the click script FILE.zqs filled with the tips of FILE.zqt, the ticked draw days and the "
     "ticked Jokers K (1..3), byte for byte as the program writes it for the automation program: "
     "Windows-1252, CR LF after every line.",
     nullptr},
};

bool isHelp(std::string_view arg) {
    return arg == "-h" || arg == "--help";
}

void printUsage() {
    std::fputs("usage: quorix-cli COMMAND ARGUMENTS (dates as YYYY-MM-DD)\n", stdout);
    for (const Command &c : kCommands)
        std::printf("  quorix-cli %.*s\n", int(c.usage.size()), c.usage.data());
    std::fputs("quorix-cli COMMAND --help tells more about a command.\n", stdout);
}

void printHelp(const Command &c) {
    std::printf("usage: quorix-cli %.*s\n%.*s\n", int(c.usage.size()), c.usage.data(), int(c.summary.size()),
                c.summary.data());
    if (c.details) std::printf("\n%s", c.details().c_str());
}

const Command *findCommand(std::string_view name) {
    for (const Command &c : kCommands)
        if (c.name == name) return &c;
    return nullptr;
}

} // namespace

int main(int argc, char **argv) {
    const std::span<char *const> args(argv, static_cast<std::size_t>(argc));
    if (args.size() < 2) return fail("no command given (quorix-cli --help lists the commands)");
    const std::string_view name = args[1];
    if (name == "help" || isHelp(name)) {
        if (args.size() == 2) {
            printUsage();
        } else if (const Command *c = findCommand(args[2])) {
            printHelp(*c);
        } else {
            return fail("unknown command " + std::string(args[2]) +
                        " (quorix-cli --help lists the commands)");
        }
        return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
    }
    const Command *c = findCommand(name);
    if (!c) return fail("unknown command " + std::string(name) + " (quorix-cli --help lists the commands)");
    const std::span<char *const> rest = args.subspan(2);
    for (const char *arg : rest) {
        if (isHelp(arg)) {
            printHelp(*c);
            return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
        }
    }
    return c->run(rest);
}
