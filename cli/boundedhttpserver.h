#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include <httplib.h>

namespace quorix::cli {

// What one connection may take of the server. A connection carries one request: the library's
// own reads give each read a timeout of its own, so a client sending a byte now and then, or a
// head of a million lines, could hold a thread (and its memory) for ever.
struct HttpLimits {
    std::size_t headBytes = std::size_t{16} << 10;    // request line and header lines
    std::size_t payloadBytes = std::size_t{16} << 10; // the body, should a client send one
    std::chrono::milliseconds readDeadline{5000};     // the whole request, from its first byte
    std::chrono::milliseconds writeDeadline{5000};    // the whole answer
    std::size_t threads = 32;
};

// An httplib server that reads every request through those limits, binds without SO_REUSEPORT
// (a second server on a port in use fails instead of sharing its requests), and whose stop ends
// every connection at once.
class BoundedHttpServer : public httplib::Server {
public:
    // `note` receives a line for every connection a limit cut off, whether it was answered (the
    // library answers a head it could not read with 400) or not.
    BoundedHttpServer(HttpLimits limits, std::function<void(const std::string &)> note);
    ~BoundedHttpServer() override;
    BoundedHttpServer(const BoundedHttpServer &) = delete;
    BoundedHttpServer &operator=(const BoundedHttpServer &) = delete;

    // Stops listening and ends every open connection; handlers may watch stopping().
    void stopServing();
    bool stopping() const { return m_stopping; }
    const HttpLimits &limits() const { return m_limits; }

private:
    bool process_and_close_socket(socket_t sock) override;

    HttpLimits m_limits;
    std::function<void(const std::string &)> m_note;
    std::atomic<bool> m_stopping{false};
    // Readable once the server stops: every wait on a client also waits on it.
    int m_stopPipe[2] = {-1, -1};
};

} // namespace quorix::cli
