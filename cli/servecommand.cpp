// quorix-cli serve: the number server's protocol answered from a draw file, for the program's
// update (and for the tests of it).
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <httplib.h>
#include <pthread.h>

#include "cli/boundedhttpserver.h"
#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/history/drawfile.h"
#include "core/history/drawupdate.h"
#include "core/history/serveranswer.h"

namespace quorix::cli {

namespace {

// What the test options add to the answers.
struct ServeOptions {
    std::string draws;
    std::string bind = "127.0.0.1";
    int port = kDefaultServerPort;
    int delayMs = 0;
    HttpLimits limits;
    std::map<DaySerial, int> statusFor;
    std::multimap<DaySerial, std::string> notices;
};

std::optional<DaySerial> compactToSerial(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const std::string iso = std::string(text.substr(0, 4)) + "-" + std::string(text.substr(4, 2)) + "-" +
                            std::string(text.substr(6, 2));
    return parseIsoDate(iso);
}

// "DATE=VALUE" with an ISO date.
Result<std::pair<DaySerial, std::string>> datedValue(std::string_view option, std::string_view text) {
    const std::size_t eq = text.find('=');
    const auto date = eq == std::string_view::npos ? std::nullopt : parseIsoDate(text.substr(0, eq));
    if (!date)
        return badArgument(std::string(option) +
                           " expects DATE=VALUE (YYYY-MM-DD=...): " + std::string(text));
    return std::pair{*date, std::string(text.substr(eq + 1))};
}

// --port, --delay-ms and --read-deadline-ms, where given.
Result<void> readNumbers(const CliArgs &parsed, ServeOptions &options) {
    auto port = parsed.integerOr("port", 0, 65535, options.port);
    if (!port) return port.error();
    options.port = static_cast<int>(*port);
    auto delay = parsed.integerOr("delay-ms", 0, 600000, options.delayMs);
    if (!delay) return delay.error();
    options.delayMs = static_cast<int>(*delay);
    auto deadline = parsed.integerOr("read-deadline-ms", 1, 3600000, options.limits.readDeadline.count());
    if (!deadline) return deadline.error();
    options.limits.readDeadline = std::chrono::milliseconds(*deadline);
    return {};
}

// --status-for DATE=CODE and --notice DATE=TEXT, each as often as given; a later status for the
// same date wins, notices add up in order.
Result<void> readTestAnswers(const CliArgs &parsed, ServeOptions &options) {
    for (const std::string &text : parsed.all("status-for")) {
        auto value = datedValue("--status-for", text);
        if (!value) return value.error();
        const std::string &code = value->second;
        const bool digits = code.size() == 3 && code.find_first_not_of("0123456789") == std::string::npos;
        const auto status = digits ? wholeNumber(code, 200, 599) : std::nullopt;
        if (!status) return badArgument("--status-for needs a status 200..599: " + code);
        options.statusFor[value->first] = static_cast<int>(*status);
    }
    for (const std::string &text : parsed.all("notice")) {
        auto value = datedValue("--notice", text);
        if (!value) return value.error();
        options.notices.emplace(value->first, value->second);
    }
    return {};
}

Result<ServeOptions> parseServeOptions(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "port", "bind", "delay-ms", "read-deadline-ms"}, {},
                                 {"status-for", "notice"});
    if (!parsed) return parsed.error();
    if (Result<void> none = parsed->noPositionals(); !none) return none.error();
    ServeOptions options;
    auto draws = parsed->text("draws");
    if (!draws) return draws.error();
    options.draws = *draws;
    if (parsed->has("bind")) options.bind = *parsed->text("bind");
    if (auto numbers = readNumbers(*parsed, options); !numbers) return numbers.error();
    if (auto answers = readTestAnswers(*parsed, options); !answers) return answers.error();
    return options;
}

// What a client sent, fit for a log line: bytes outside printable ASCII, the backslash and the
// double quote as \xNN (an escape sequence from a request never reaches a terminal), and at most
// `limit` bytes of it.
std::string loggable(std::string_view text, std::size_t limit = 512) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c >= 0x7F || c == '\\' || c == '"') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (text.size() > limit) out += "...";
    return out;
}

void logLine(const std::string &text) {
    std::fprintf(stderr, "%s\n", loggable(text, 4096).c_str());
}

class NumberServer {
public:
    explicit NumberServer(ServeOptions options)
        : m_options(std::move(options))
        , m_file(m_options.draws)
        , m_server(m_options.limits, logLine) {
        // A proxy is asked with the whole address ("GET http://host/zahlen/..."): answering that
        // form too lets this server stand in for a proxy in front of any host name.
        m_server.Get(R"((?:https?://[^/]+)?/zahlen/lotto_neu\.asp)",
                     [this](const httplib::Request &request, httplib::Response &response) {
                         answer(request, response);
                     });
        m_server.set_logger([](const httplib::Request &request, const httplib::Response &response) {
            // A request refused before its head was read names no address.
            const std::string &from = request.remote_addr.empty() ? std::string("-") : request.remote_addr;
            std::fprintf(stderr, "%s \"%s %s\" %d %zu\n", loggable(from).c_str(),
                         loggable(request.method).c_str(), loggable(request.target).c_str(), response.status,
                         response.body.size());
        });
    }

    BoundedHttpServer &server() { return m_server; }
    void stop() { m_server.stopServing(); }

private:
    void answer(const httplib::Request &request, httplib::Response &response) {
        wait();
        const auto date = compactToSerial(request.get_param_value("Datum"));
        if (!date) {
            response.status = 400;
            response.set_content("Datum must be a date yyyymmdd\r\n", "text/plain; charset=utf-8");
            return;
        }
        if (const auto forced = m_options.statusFor.find(*date); forced != m_options.statusFor.end()) {
            response.status = forced->second;
            return;
        }
        // Read anew for every request: the history may be brought up to date while the server runs.
        auto draws = m_file.readAll();
        if (!draws) {
            // The cause names the server's own paths: it goes to the log, not to the client.
            logLine("draw file unavailable: " + draws.error().message);
            response.status = 503;
            response.set_content("draw file unavailable\r\n", "text/plain; charset=utf-8");
            return;
        }
        std::string body;
        for (const Draw &draw : *draws)
            if (draw.date == *date) body += serverLineFor(draw) + "\r\n";
        const auto [first, last] = m_options.notices.equal_range(*date);
        for (auto it = first; it != last; ++it)
            body += it->second + "\r\n";
        // 500 is how the protocol says that a draw is not there yet.
        response.status = body.empty() ? 500 : 200;
        response.set_content(body, "text/plain; charset=utf-8");
    }

    void wait() const {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_options.delayMs);
        while (!m_server.stopping() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    ServeOptions m_options;
    DrawFile m_file;
    BoundedHttpServer m_server;
};

std::string listenFailure(const std::string &bind, int port, int err) {
    std::string text = "cannot listen on " + bind + " port " + std::to_string(port);
    if (err == EADDRINUSE) return text + ": the port is in use (is another server running on it?)";
    if (err == EADDRNOTAVAIL) return text + ": the address is not one of this machine's";
    if (err != 0) return text + ": " + std::strerror(err);
    return text;
}

} // namespace

int runServe(std::span<char *const> args) {
    auto options = parseServeOptions(args);
    if (!options) return fail(options.error().message);
    if (!DrawFile(options->draws).exists()) return fail(options->draws + " does not exist");
    const std::string bind = options->bind;
    const int wanted = options->port;
    NumberServer server(std::move(*options));

    // SIGINT and SIGTERM end the server cleanly: a thread of its own waits for them, so the
    // server's threads never run a signal handler.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    errno = 0;
    const int port = wanted == 0 ? server.server().bind_to_any_port(bind)
                                 : (server.server().bind_to_port(bind, wanted) ? wanted : -1);
    if (port <= 0) return fail(listenFailure(bind, wanted, errno));
    std::printf("{\"address\":\"%s\",\"port\":%d}\n", bind.c_str(), port);
    std::fflush(stdout);

    std::atomic<bool> ended{false};
    std::thread waiter([&server, &stopSignals, &ended] {
        // Looks up now and then, so that it ends with a server that stopped by itself.
        const timespec slice{0, 100'000'000};
        while (!ended) {
            if (sigtimedwait(&stopSignals, nullptr, &slice) > 0) {
                // Stopping acts only on a listening server: a signal that came before the listening
                // began waits for it, or for a listening that ended by itself.
                while (!ended && !server.server().is_running())
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                server.stop();
                return;
            }
        }
    });
    const bool listened = server.server().listen_after_bind();
    ended = true;
    waiter.join();
    return listened ? kExitOk : fail("the server stopped with an error");
}

std::string serveDetails() {
    return "Answers GET /zahlen/lotto_neu.asp?Programm=Quorix&Datum=yyyymmdd: 200 with one line per draw\n"
           "of that date, 500 when FILE holds none, 400 for a missing or bad date. --port defaults to " +
           std::to_string(kDefaultServerPort) +
           ";\n"
           "--port 0 takes a free port; a port another program listens on is refused. The first line on\n"
           "stdout names the port; each request is logged on stderr, what the client sent escaped as \\xNN\n"
           "outside printable ASCII. SIGINT or SIGTERM ends it, open connections too.\n"
           "\n"
           "A connection carries one request, which must arrive whole within --read-deadline-ms N\n"
           "(default " +
           std::to_string(HttpLimits{}.readDeadline.count()) +
           "), with a head (request line and headers) of at most " +
           std::to_string(HttpLimits{}.headBytes >> 10) + " KiB\nand a body of at most " +
           std::to_string(HttpLimits{}.payloadBytes >> 10) + " KiB; " + std::to_string(HttpLimits{}.threads) +
           " connections are served at once, further ones wait their turn.\n"
           "\n"
           "Options for testing a client:\n"
           "  --delay-ms N             waits N ms before every answer\n"
           "  --status-for DATE=CODE   answers status CODE (200..599) without a body for DATE\n"
           "  --notice DATE=TEXT       adds the line TEXT to the answer for DATE (a notice, or any\n"
           "                           hand-made line); both may be given more than once\n";
}

} // namespace quorix::cli
