#include "numberserver.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace quorix::test {

NumberServerProcess::NumberServerProcess(const std::string &drawPath, const std::vector<std::string> &options,
                                         const std::string &logPath) {
    std::vector<std::string> args{QUORIX_CLI, "serve", "--draws", drawPath, "--port", "0"};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char *> argv;
    argv.reserve(args.size() + 1);
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2];
    if (::pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    const int spawned = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        m_pid = -1;
        ::close(out[0]);
        return;
    }
    // The first line names the port: {"address":"127.0.0.1","port":N}
    std::string line;
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    ::close(out[0]);
    const std::size_t at = line.find("\"port\":");
    if (at != std::string::npos) m_port = std::atoi(line.c_str() + at + 7);
}

NumberServerProcess::~NumberServerProcess() {
    terminate();
}

int NumberServerProcess::terminate() {
    if (m_pid <= 0) return -1;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    const pid_t ended = ::waitpid(m_pid, &status, 0);
    m_pid = -1;
    return ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace quorix::test
