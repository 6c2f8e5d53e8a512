#pragma once

#include <span>
#include <string>

namespace quorix::cli {

// Each command gets the arguments after its name and returns the process exit code.
int runImportCsv(std::span<char *const> args);
int runDraws(std::span<char *const> args);
int runStats(std::span<char *const> args);
int runRandom(std::span<char *const> args);
int runMakeSample(std::span<char *const> args);
int runCheck(std::span<char *const> args);
int runServe(std::span<char *const> args);
int runUpdate(std::span<char *const> args);
int runSearch(std::span<char *const> args);
int runJokerStats(std::span<char *const> args);
int runJokerFind(std::span<char *const> args);
int runJokerNew(std::span<char *const> args);
int runTicketMarks(std::span<char *const> args);
int runAnalyseParameters(std::span<char *const> args);
int runAnalyseRepetition(std::span<char *const> args);
int runFillScript(std::span<char *const> args);

// What `stats --help` adds: the statistic kinds.
std::string statsDetails();
// What `serve --help` and `update --help` add: the protocol, the test options, the outcome.
std::string serveDetails();
std::string updateDetails();

} // namespace quorix::cli
