// quorix-cli serve facing clients that do not play by the rules: slow ones, floods of headers,
// bytes meant for a terminal, a second server on its port, a draw file that went bad.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include "clirun.h"
#include "core/history/drawfile.h"
#include "core/history/serveranswer.h"
#include "numberserver.h"

using namespace quorix;
using quorix::test::CliRun;
using quorix::test::NumberServerProcess;
using quorix::test::runCli;
using quorix::test::slurp;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

Draw sampleDraw() {
    Draw draw;
    draw.date = serialFromYmd(2014, 4, 9);
    draw.numbers = {3, 12, 19, 27, 33, 41};
    draw.lucky = 4;
    draw.replay = 8;
    draw.joker = {0, 4, 7, 1, 1, 9};
    return draw;
}

constexpr std::string_view kRequestLine =
    "GET /zahlen/lotto_neu.asp?Programm=Quorix&Datum=20140409 HTTP/1.1\r\n";

// A plain TCP connection, for requests no HTTP library would send.
class RawConnection {
public:
    explicit RawConnection(int port)
        : m_fd(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        // A net under a server that never answers: the test fails instead of hanging.
        const timeval limit{120, 0};
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        ::setsockopt(m_fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        m_connected = ::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    }
    ~RawConnection() { ::close(m_fd); }
    RawConnection(const RawConnection &) = delete;
    RawConnection &operator=(const RawConnection &) = delete;

    bool send(std::string_view bytes) {
        while (m_connected && !bytes.empty()) {
            const ssize_t sent = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
        return m_connected;
    }
    // What the server sends until it closes the connection.
    std::string receiveAll() {
        std::string got;
        char buffer[4096];
        for (ssize_t n; (n = ::recv(m_fd, buffer, sizeof buffer, 0)) > 0;)
            got.append(buffer, static_cast<std::size_t>(n));
        return got;
    }
    // Whether the server has answered or closed the connection; does not wait.
    bool endedByServer() const {
        char c = 0;
        const ssize_t n = ::recv(m_fd, &c, 1, MSG_DONTWAIT | MSG_PEEK);
        return n >= 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
    }

private:
    int m_fd;
    bool m_connected = false;
};

// A client that sends its request line and then one header line every 100 ms, `rounds` lines
// at most, until the server ends the connection.
struct SlowClients {
    explicit SlowClients(int port, int count, int rounds) {
        for (int i = 0; i < count; ++i)
            threads.emplace_back([this, port, rounds] { trickle(port, rounds); });
    }
    ~SlowClients() { join(); }
    void join() {
        for (std::thread &t : threads)
            if (t.joinable()) t.join();
    }
    void waitUntilAllSent(int lines) const {
        for (int i = 0; i < 60'000 && sentLines < lines * static_cast<int>(threads.size()); ++i)
            std::this_thread::sleep_for(1ms);
    }

    std::vector<std::thread> threads;
    std::atomic<int> sentLines{0};
    std::atomic<int> cutByServer{0};
    std::atomic<int> ranOut{0};

private:
    void trickle(int port, int rounds) {
        RawConnection connection(port);
        if (!connection.send(kRequestLine)) {
            ++cutByServer;
            return;
        }
        for (int i = 0; i < rounds; ++i) {
            ++sentLines;
            std::this_thread::sleep_for(100ms);
            if (connection.endedByServer() || !connection.send("X-Slow: 1\r\n")) {
                ++cutByServer;
                return;
            }
        }
        ++ranOut;
    }
};

// Sends a head of a million header lines (19 MB): whether all of it went out, and the answer.
struct Flood {
    bool sentAll = false;
    std::string answer;
};
Flood flood(int port) {
    std::string lines;
    for (int i = 0; i < 10'000; ++i)
        lines += "X-Flood: abcdefgh\r\n";
    RawConnection connection(port);
    bool sent = connection.send(kRequestLine);
    for (int i = 0; sent && i < 100; ++i)
        sent = connection.send(lines);
    Flood result;
    result.sentAll = sent && connection.send("\r\n");
    result.answer = connection.receiveAll();
    return result;
}

class Serve : public ::testing::Test {
protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir =
            fs::temp_directory_path() / ("quorix-serve-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        ASSERT_TRUE(DrawFile(path("server.dat")).rewrite({sampleDraw()}));
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string &name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

} // namespace

TEST_F(Serve, AnswersANormalClientWhileSlowAndFloodingOnesAreConnected) {
    NumberServerProcess server(path("server.dat"), {}, path("serve.log"));
    ASSERT_TRUE(server.running());

    // More slow clients than the library's default number of threads, each trickling for up to a
    // minute; a server that waits for them answers nobody else meanwhile.
    SlowClients slow(server.port(), 12, 600);
    std::vector<Flood> floods(4);
    std::vector<std::thread> flooders;
    for (Flood &f : floods)
        flooders.emplace_back([&f, &server] { f = flood(server.port()); });
    slow.waitUntilAllSent(2);

    RawConnection normal(server.port());
    ASSERT_TRUE(normal.send(std::string(kRequestLine) + "Host: 127.0.0.1\r\n\r\n"));
    const std::string answer = normal.receiveAll();
    const int ranOutBeforeTheAnswer = slow.ranOut;
    EXPECT_TRUE(answer.starts_with("HTTP/1.1 200")) << answer;
    EXPECT_TRUE(answer.ends_with("\r\n\r\n" + serverLineFor(sampleDraw()) + "\r\n")) << answer;
    EXPECT_EQ(ranOutBeforeTheAnswer, 0);

    // Each slow client is cut off by the request's deadline, none trickles to its end.
    slow.join();
    EXPECT_EQ(slow.cutByServer, 12);
    EXPECT_EQ(slow.ranOut, 0);
    // No flood gets its head read to the end: it is refused or cut off on the way.
    for (std::thread &t : flooders)
        t.join();
    for (const Flood &f : floods)
        EXPECT_TRUE(!f.sentAll || f.answer.starts_with("HTTP/1.1 400")) << f.answer.substr(0, 80);
}

TEST_F(Serve, StopsAtOnceWithSlowClientsConnected) {
    // The deadline is far away: only the stop can end these connections.
    NumberServerProcess server(path("server.dat"), {"--read-deadline-ms", "600000"}, path("serve.log"));
    ASSERT_TRUE(server.running());
    SlowClients slow(server.port(), 10, 600);
    slow.waitUntilAllSent(3);

    EXPECT_EQ(server.terminate(), 0);
    EXPECT_EQ(slow.ranOut, 0);
    slow.join();
    EXPECT_EQ(slow.cutByServer, 10);
    const std::string log = slurp(path("serve.log"));
    EXPECT_EQ(log.find("not complete"), std::string::npos) << log;
}

TEST_F(Serve, PortInUseIsRefused) {
    NumberServerProcess first(path("server.dat"), {}, path("serve.log"));
    ASSERT_TRUE(first.running());
    const CliRun second =
        runCli(m_dir, "serve --draws '" + path("server.dat") + "' --port " + std::to_string(first.port()));
    EXPECT_EQ(second.code, 2);
    EXPECT_EQ(second.out, "");
    EXPECT_NE(second.err.find("port " + std::to_string(first.port()) + ": the port is in use"),
              std::string::npos)
        << second.err;
}

TEST_F(Serve, UnavailableDrawFileIsNotNamedToTheClient) {
    NumberServerProcess server(path("server.dat"), {}, path("serve.log"));
    ASSERT_TRUE(server.running());
    // The history gone, a folder in its place.
    fs::remove(path("server.dat"));
    fs::create_directory(path("server.dat"));

    httplib::Client client("127.0.0.1", server.port());
    const auto answer = client.Get("/zahlen/lotto_neu.asp?Programm=Quorix&Datum=20140409");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 503);
    EXPECT_EQ(answer->body, "draw file unavailable\r\n");
    // The server's own log says what is wrong, path and all.
    const std::string log = slurp(path("serve.log"));
    EXPECT_NE(log.find("draw file unavailable: "), std::string::npos) << log;
    EXPECT_NE(log.find("server.dat"), std::string::npos) << log;
}

TEST_F(Serve, LogShowsWhatClientsSendEscaped) {
    NumberServerProcess server(path("server.dat"), {}, path("serve.log"));
    ASSERT_TRUE(server.running());
    const char *targets[] = {
        "/zahlen/lotto_neu.asp?Datum=\x1b]0;owned\x07\x1b[2J",
        "/zahlen/lotto_neu.asp?Datum=\"20140409\"\\\x7f\xc3\xa4",
    };
    for (const char *target : targets) {
        RawConnection connection(server.port());
        ASSERT_TRUE(connection.send(std::string("GET ") + target + " HTTP/1.1\r\nHost: x\r\n\r\n"));
        EXPECT_TRUE(connection.receiveAll().starts_with("HTTP/1.1 400"));
    }
    EXPECT_EQ(server.terminate(), 0);

    const std::string log = slurp(path("serve.log"));
    for (char c : log)
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f))
            << "byte " << int(static_cast<unsigned char>(c)) << log;
    EXPECT_NE(log.find("127.0.0.1 \"GET /zahlen/lotto_neu.asp?Datum=\\x1B]0;owned\\x07\\x1B[2J\" 400"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Datum=\\x2220140409\\x22\\x5C\\x7F\\xC3\\xA4\" 400"), std::string::npos) << log;
}
