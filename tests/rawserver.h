#pragma once
// A hostile HTTP server for the update tests of the CLI and the window (header only: both folders
// use it).

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quorix::test {

// A hostile server on a loopback port, in a thread: for every connection it reads the request's
// head and then lets `answer` write to the socket until it is done or the client has gone.
class RawServer {
public:
    // Writes bytes; false once the client is gone or the server is ending.
    using Send = std::function<bool(const std::string &)>;
    using Answer = std::function<void(const Send &)>;

    explicit RawServer(Answer answer)
        : m_answer(std::move(answer)) {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listen, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            ::listen(m_listen, 4) != 0 ||
            ::getsockname(m_listen, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~RawServer() {
        m_ending = true;
        if (m_thread.joinable()) m_thread.join();
        ::close(m_listen);
    }
    RawServer(const RawServer &) = delete;
    RawServer &operator=(const RawServer &) = delete;

    std::string address() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/"; }

private:
    void serve() {
        while (!m_ending) {
            pollfd ready{m_listen, POLLIN, 0};
            if (::poll(&ready, 1, 50) <= 0) continue;
            const int client = ::accept(m_listen, nullptr, nullptr);
            if (client < 0) continue;
            std::string head;
            char c = 0;
            while (head.size() < 65536 && !head.ends_with("\r\n\r\n") && ::recv(client, &c, 1, 0) == 1)
                head += c;
            m_answer([this, client](const std::string &bytes) {
                return !m_ending && ::send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
                                        static_cast<ssize_t>(bytes.size());
            });
            ::close(client);
        }
    }

    Answer m_answer;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_ending = false;
    std::thread m_thread;
};

// A complete answer with a body of its own.
inline RawServer::Answer plainAnswer(std::string head, std::string body) {
    return [head = std::move(head), body = std::move(body)](const RawServer::Send &send) {
        send(head + "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
             body);
    };
}

// `piece` sent again and again until the client gives up, after `head`; a pause between pieces
// makes a slow server.
inline RawServer::Answer endlessAnswer(std::string head, std::string piece,
                                       std::chrono::milliseconds pause = {}) {
    return [head = std::move(head), piece = std::move(piece), pause](const RawServer::Send &send) {
        if (!send(head)) return;
        while (send(piece))
            std::this_thread::sleep_for(pause);
    };
}

} // namespace quorix::test
