#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

namespace quorix::test {

// `quorix-cli serve` started on a free port for one test and ended with it.
class NumberServerProcess {
public:
    // Starts `quorix-cli serve --port 0` with the given further arguments; its log goes to logPath.
    NumberServerProcess(const std::string &drawPath, const std::vector<std::string> &options,
                        const std::string &logPath);
    ~NumberServerProcess();
    NumberServerProcess(const NumberServerProcess &) = delete;
    NumberServerProcess &operator=(const NumberServerProcess &) = delete;

    bool running() const { return m_port > 0; }
    // Sends SIGTERM and waits for the server to end: its exit code, -1 when it did not exit.
    int terminate();
    int port() const { return m_port; }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/"; }

private:
    pid_t m_pid = -1;
    int m_port = 0;
};

} // namespace quorix::test
