#pragma once

#include <filesystem>
#include <string>

namespace quorix::test {

// What one run of quorix-cli gave.
struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

// The whole content of a file, empty when it cannot be read.
std::string slurp(const std::filesystem::path &path);

// Runs quorix-cli with `args` (shell words, file names quoted by the caller) and no input; its
// output goes through the files "stdout" and "stderr" in `scratch`.
CliRun runCli(const std::filesystem::path &scratch, const std::string &args);

} // namespace quorix::test
