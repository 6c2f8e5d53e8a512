#include "cli/boundedhttpserver.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quorix::cli {

namespace {

using Clock = std::chrono::steady_clock;

// Why a connection was cut off.
enum class Cut { None, ReadDeadline, HeadTooLarge, BodyTooLarge, WriteDeadline, Stopped };

std::string numericAddress(const sockaddr_storage &address, socklen_t length, int &port) {
    char host[NI_MAXHOST] = "";
    char service[NI_MAXSERV] = "";
    if (getnameinfo(reinterpret_cast<const sockaddr *>(&address), length, host, sizeof host, service,
                    sizeof service, NI_NUMERICHOST | NI_NUMERICSERV) != 0)
        return {};
    port = std::atoi(service);
    return host;
}

// The client's socket as the library's stream, read and written within the limits: every wait
// ends at the deadline or when the server stops, and the head and the body each have a budget.
class BoundedStream final : public httplib::Stream {
public:
    BoundedStream(socket_t sock, const HttpLimits &limits, int stopFd)
        : m_sock(sock)
        , m_limits(limits)
        , m_stopFd(stopFd)
        , m_readUntil(Clock::now() + limits.readDeadline) {}

    bool is_readable() const override { return m_begin < m_end || waitFor(POLLIN, m_readUntil); }
    bool is_writable() const override { return waitFor(POLLOUT, writeUntil()); }

    ssize_t read(char *ptr, size_t size) override {
        if (size == 0) return 0;
        if (m_begin == m_end) {
            const ssize_t got = fill();
            if (got <= 0) return got;
        }
        std::size_t n = std::min(size, m_end - m_begin);
        if (!m_headDone) n = 1; // byte by byte through the head, as the library asks for it anyway
        if (!spend(m_buffer + m_begin, n)) return -1;
        std::copy_n(m_buffer + m_begin, n, ptr);
        m_begin += n;
        return static_cast<ssize_t>(n);
    }

    ssize_t write(const char *ptr, size_t size) override {
        if (!m_writing) {
            m_writing = true;
            m_writeUntil = Clock::now() + m_limits.writeDeadline;
        }
        for (;;) {
            if (!waitFor(POLLOUT, m_writeUntil)) {
                cut(stopRequested() ? Cut::Stopped : Cut::WriteDeadline);
                return -1;
            }
            // Never blocking: a client that takes nothing more is left at the deadline.
            const ssize_t sent = ::send(m_sock, ptr, size, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
            return sent;
        }
    }

    void get_remote_ip_and_port(std::string &ip, int &port) const override {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        if (getpeername(m_sock, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            ip = numericAddress(address, length, port);
    }
    void get_local_ip_and_port(std::string &ip, int &port) const override {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        if (getsockname(m_sock, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            ip = numericAddress(address, length, port);
    }
    socket_t socket() const override { return m_sock; }

    Cut cutOff() const { return m_cut; }

private:
    bool stopRequested() const {
        pollfd stop{m_stopFd, POLLIN, 0};
        return ::poll(&stop, 1, 0) > 0;
    }

    Clock::time_point writeUntil() const {
        return m_writing ? m_writeUntil : Clock::now() + m_limits.writeDeadline;
    }

    // Waits until the socket is ready for `events`; false at the deadline or when the server stops.
    bool waitFor(short events, Clock::time_point until) const {
        for (;;) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
            if (left <= 0) return false;
            pollfd fds[2] = {{m_sock, events, 0}, {m_stopFd, POLLIN, 0}};
            const int ready = ::poll(fds, 2, static_cast<int>(std::min<long long>(left, 60'000)));
            if (ready < 0 && errno == EINTR) continue;
            if (ready < 0 || fds[1].revents != 0) return false;
            if (ready > 0) return true;
        }
    }

    // The next bytes from the client into the buffer: their count, 0 at its end, -1 on an error
    // or a cut.
    ssize_t fill() {
        for (;;) {
            if (!waitFor(POLLIN, m_readUntil)) {
                cut(stopRequested() ? Cut::Stopped : Cut::ReadDeadline);
                return -1;
            }
            const ssize_t got = ::recv(m_sock, m_buffer, sizeof m_buffer, MSG_DONTWAIT);
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
            if (got <= 0) return got;
            m_begin = 0;
            m_end = static_cast<std::size_t>(got);
            return got;
        }
    }

    // Counts bytes against the head's or the body's budget. The head ends with its first empty
    // line (CR LF on a line of its own).
    bool spend(const char *bytes, std::size_t n) {
        if (m_headDone) {
            // Counted as it comes, chunk framing included: the library checks a declared length
            // only, not a chunked body.
            m_bodyBytes += n;
            return m_bodyBytes <= m_limits.payloadBytes || cut(Cut::BodyTooLarge);
        }
        if (++m_headBytes > m_limits.headBytes) return cut(Cut::HeadTooLarge);
        const char c = *bytes;
        if (c == '\n') {
            m_headDone = m_sawRequestLine && m_lineLength == 1 && m_lastByte == '\r';
            m_sawRequestLine = true;
            m_lineLength = 0;
        } else {
            ++m_lineLength;
        }
        m_lastByte = c;
        return true;
    }

    bool cut(Cut why) {
        if (m_cut == Cut::None) m_cut = why;
        return false;
    }

    socket_t m_sock;
    const HttpLimits &m_limits;
    int m_stopFd;
    Clock::time_point m_readUntil;
    Clock::time_point m_writeUntil{};
    bool m_writing = false;
    char m_buffer[4096];
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::size_t m_headBytes = 0;
    std::size_t m_bodyBytes = 0;
    std::size_t m_lineLength = 0;
    char m_lastByte = '\0';
    bool m_sawRequestLine = false;
    bool m_headDone = false;
    Cut m_cut = Cut::None;
};

std::string cutReason(Cut cut, const HttpLimits &limits) {
    switch (cut) {
    case Cut::ReadDeadline:
        return "request not complete within " + std::to_string(limits.readDeadline.count()) + " ms";
    case Cut::HeadTooLarge:
        return "request head larger than " + std::to_string(limits.headBytes) + " bytes";
    case Cut::BodyTooLarge:
        return "request body larger than " + std::to_string(limits.payloadBytes) + " bytes";
    case Cut::WriteDeadline:
        return "answer not taken within " + std::to_string(limits.writeDeadline.count()) + " ms";
    case Cut::Stopped:
    case Cut::None:
        break;
    }
    return {};
}

} // namespace

BoundedHttpServer::BoundedHttpServer(HttpLimits limits, std::function<void(const std::string &)> note)
    : m_limits(limits)
    , m_note(std::move(note)) {
    if (::pipe2(m_stopPipe, O_CLOEXEC) != 0) m_stopPipe[0] = m_stopPipe[1] = -1;
    // SO_REUSEADDR only: a port left in TIME_WAIT can be taken again, one another server listens
    // on cannot. The library's default adds SO_REUSEPORT, which lets both listen and share.
    set_socket_options([](socket_t sock) {
        const int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    set_payload_max_length(m_limits.payloadBytes);
    const std::size_t threads = m_limits.threads;
    new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
}

BoundedHttpServer::~BoundedHttpServer() {
    for (int fd : m_stopPipe)
        if (fd >= 0) ::close(fd);
}

void BoundedHttpServer::stopServing() {
    if (!m_stopping.exchange(true) && m_stopPipe[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(m_stopPipe[1], &wake, 1);
    }
    stop();
}

bool BoundedHttpServer::process_and_close_socket(socket_t sock) {
    bool ok = false;
    if (m_stopPipe[0] >= 0) {
        BoundedStream stream(sock, m_limits, m_stopPipe[0]);
        bool closed = false;
        ok = process_request(stream, true, closed, nullptr);
        const std::string why = cutReason(stream.cutOff(), m_limits);
        if (!why.empty() && m_note) {
            std::string address;
            int port = 0;
            stream.get_remote_ip_and_port(address, port);
            m_note(address + " closed: " + why);
        }
    }
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return ok;
}

} // namespace quorix::cli
