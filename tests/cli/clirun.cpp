#include "clirun.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

namespace quorix::test {

std::string slurp(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

CliRun runCli(const std::filesystem::path &scratch, const std::string &args) {
    const std::filesystem::path out = scratch / "stdout";
    const std::filesystem::path err = scratch / "stderr";
    const std::string command = std::string("'") + QUORIX_CLI + "' " + args + " >'" + out.string() + "' 2>'" +
                                err.string() + "' </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
}

} // namespace quorix::test
