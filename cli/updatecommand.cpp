// quorix-cli update: the window's draw update, headless, with cpp-httplib as its HTTP client.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include <httplib.h>
#include <poll.h>
#include <sys/socket.h>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/history/drawfile.h"
#include "core/history/drawupdate.h"

namespace quorix::cli {

namespace {

constexpr long long kDefaultTimeoutMs = 15000;

struct Proxy {
    std::string host;
    int port = 0;
};

Result<Proxy> parseProxy(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return badArgument("--proxy expects HOST:PORT: " + std::string(text));
    auto port = parseProxyPort(text.substr(colon + 1));
    if (!port) return badArgument("--proxy: " + port.error().message);
    return Proxy{std::string(text.substr(0, colon)), *port};
}

// What one request may take. The whole request has one deadline, so that a server sending a byte
// a second cannot hold the update; the headers and the body are capped, so that an endless answer
// costs no memory.
struct RequestBudget {
    static constexpr std::size_t kHeaderBytes = std::size_t{16} << 10;
    enum class Cut { None, Late, Headers, Body };

    std::chrono::steady_clock::time_point deadline;
    std::size_t received = 0;              // bytes read from the socket
    std::optional<std::size_t> headersEnd; // `received` when the headers were complete
    std::atomic<Cut> cut = Cut::None;      // an https:// request's watchdog sets it from its thread

    // Bytes the socket may still deliver: the headers, then the body with room for its chunk
    // framing (the body itself is counted exactly by the content receiver).
    std::size_t allowance() const {
        const std::size_t limit = headersEnd ? *headersEnd + 2 * kMaxServerAnswerBytes : kHeaderBytes;
        return limit > received ? limit - received : 0;
    }
    int millisecondsLeft() const {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        return static_cast<int>(std::clamp<long long>(left.count(), 0, 600000));
    }
};

// The plain socket of an http:// request, read within the budget.
class BoundedStream final : public httplib::Stream {
public:
    BoundedStream(socket_t sock, RequestBudget &budget)
        : m_sock(sock)
        , m_budget(budget) {}

    bool is_readable() const override { return wait(POLLIN); }
    bool is_writable() const override { return wait(POLLOUT); }
    ssize_t read(char *ptr, size_t size) override {
        const std::size_t allowed = m_budget.allowance();
        if (allowed == 0) {
            m_budget.cut = m_budget.headersEnd ? RequestBudget::Cut::Body : RequestBudget::Cut::Headers;
            return -1;
        }
        if (!wait(POLLIN)) return -1;
        const ssize_t n = ::recv(m_sock, ptr, std::min(size, allowed), 0);
        if (n > 0) m_budget.received += static_cast<std::size_t>(n);
        return n;
    }
    ssize_t write(const char *ptr, size_t size) override {
        if (!wait(POLLOUT)) return -1;
        return ::send(m_sock, ptr, size, MSG_NOSIGNAL);
    }
    void get_remote_ip_and_port(std::string &ip, int &port) const override {
        ip.clear();
        port = 0;
    }
    void get_local_ip_and_port(std::string &ip, int &port) const override {
        ip.clear();
        port = 0;
    }
    socket_t socket() const override { return m_sock; }

private:
    bool wait(short events) const {
        pollfd fd{m_sock, events, 0};
        const int left = m_budget.millisecondsLeft();
        if (left > 0 && ::poll(&fd, 1, left) > 0) return true;
        if (left == 0 || fd.revents == 0) m_budget.cut = RequestBudget::Cut::Late;
        return false;
    }

    socket_t m_sock;
    RequestBudget &m_budget;
};

// cpp-httplib's client for http://, its socket read through BoundedStream.
class BoundedClient final : public httplib::ClientImpl {
public:
    BoundedClient(const std::string &host, int port, RequestBudget &budget)
        : httplib::ClientImpl(host, port)
        , m_budget(budget) {}

private:
    bool process_socket(const Socket &socket, std::function<bool(httplib::Stream &)> callback) override {
        BoundedStream stream(socket.sock, m_budget);
        return callback(stream);
    }

    RequestBudget &m_budget;
};

// The deadline of an https:// request, whose socket cpp-httplib reads itself: the request is cut
// off when it is due.
class Watchdog {
public:
    Watchdog(httplib::ClientImpl &client, RequestBudget &budget)
        : m_thread([this, &client, &budget] {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait_until(lock, budget.deadline, [this] { return m_done; })) {
                budget.cut = RequestBudget::Cut::Late;
                client.stop();
            }
        }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

struct Origin {
    bool https = false;
    std::string host;
    int port = 0;
    std::string path;
};

// scheme://host[:port]/path, the host possibly an [IPv6] literal.
std::optional<Origin> splitUrl(const std::string &url) {
    Origin origin;
    std::string_view rest = url;
    if (rest.starts_with("https://")) {
        origin.https = true;
        rest.remove_prefix(8);
    } else if (rest.starts_with("http://")) {
        rest.remove_prefix(7);
    } else {
        return std::nullopt;
    }
    const std::size_t pathStart = rest.find('/');
    if (pathStart == std::string_view::npos) return std::nullopt;
    origin.path = std::string(rest.substr(pathStart));
    std::string_view hostPort = rest.substr(0, pathStart);
    std::string_view portText;
    if (hostPort.starts_with('[')) {
        const std::size_t close = hostPort.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        origin.host = std::string(hostPort.substr(1, close - 1));
        if (close + 1 < hostPort.size()) {
            if (hostPort[close + 1] != ':') return std::nullopt;
            portText = hostPort.substr(close + 2);
        }
    } else {
        const std::size_t colon = hostPort.find(':');
        origin.host = std::string(hostPort.substr(0, colon));
        if (colon != std::string_view::npos) {
            portText = hostPort.substr(colon + 1);
            if (portText.empty()) return std::nullopt;
        }
    }
    origin.port = origin.https ? 443 : 80;
    if (!portText.empty()) {
        auto port = parseProxyPort(portText);
        if (!port) return std::nullopt;
        origin.port = *port;
    }
    if (origin.host.empty()) return std::nullopt;
    return origin;
}

// A header value a server chose, fit for one line of a message: printable ASCII, not too long.
std::string shownHeader(const std::string &value) {
    std::string shown;
    for (char c : value.substr(0, 200))
        shown += c >= 0x20 && c < 0x7f ? c : '?';
    return value.size() > 200 ? shown + "..." : shown;
}

// One GET through cpp-httplib. Error statuses come back as statuses; a request that got no
// complete answer, too large an answer or a redirect is an error. Redirects are not followed.
class HttplibTransport {
public:
    HttplibTransport(std::optional<Proxy> proxy, long long timeoutMs)
        : m_proxy(std::move(proxy))
        , m_timeout(timeoutMs) {}

    HttpAnswer operator()(const std::string &url) const {
        HttpAnswer answer;
        const std::optional<Origin> origin = splitUrl(url);
        if (!origin) {
            answer.error = "not an http:// or https:// address: " + url;
            return answer;
        }
        RequestBudget budget;
        budget.deadline = std::chrono::steady_clock::now() + m_timeout;
        std::unique_ptr<httplib::ClientImpl> client;
        if (origin->https)
            client = std::make_unique<httplib::SSLClient>(origin->host, origin->port);
        else
            client = std::make_unique<BoundedClient>(origin->host, origin->port, budget);
        if (!client->is_valid()) {
            answer.error = "not an http:// or https:// address: " + url;
            return answer;
        }
        configure(*client);
        std::string redirect;
        const auto onHeaders = [&](const httplib::Response &response) {
            budget.headersEnd = budget.received;
            if (response.status < 300 || response.status >= 400) return true;
            redirect = response.get_header_value("Location");
            return false;
        };
        const auto onBody = [&](const char *data, std::size_t size) {
            if (answer.body.size() + size > kMaxServerAnswerBytes) {
                budget.cut = RequestBudget::Cut::Body;
                return false;
            }
            answer.body.append(data, size);
            return true;
        };
        httplib::Result result = [&] {
            std::optional<Watchdog> watchdog;
            if (origin->https) watchdog.emplace(*client, budget);
            return client->Get(origin->path, httplib::Headers{}, onHeaders, onBody);
        }();
        if (!result) {
            answer.body.clear();
            answer.error = "request for " + url + ": " + failure(result.error(), budget, redirect);
            return answer;
        }
        answer.status = result->status;
        answer.statusText = result->reason;
        return answer;
    }

private:
    void configure(httplib::ClientImpl &client) const {
        client.set_connection_timeout(m_timeout);
        client.set_read_timeout(m_timeout);
        client.set_write_timeout(m_timeout);
        client.set_follow_location(false);
        if (m_proxy) client.set_proxy(m_proxy->host, m_proxy->port);
    }

    std::string failure(httplib::Error error, const RequestBudget &budget,
                        const std::string &redirect) const {
        if (error == httplib::Error::Canceled && budget.cut == RequestBudget::Cut::None)
            return "redirect to " + shownHeader(redirect) + " not followed";
        switch (budget.cut) {
        case RequestBudget::Cut::Body:
            return kServerAnswerTooLarge;
        case RequestBudget::Cut::Headers:
            return "answer headers larger than 16 KiB";
        case RequestBudget::Cut::Late:
            return "no complete answer within " + std::to_string(m_timeout.count()) + " ms";
        case RequestBudget::Cut::None:
            break;
        }
        if (error == httplib::Error::ConnectionTimeout || error == httplib::Error::Connection)
            if (budget.millisecondsLeft() == 0)
                return "no complete answer within " + std::to_string(m_timeout.count()) + " ms";
        return "failed: " + httplib::to_string(error);
    }

    std::optional<Proxy> m_proxy;
    std::chrono::milliseconds m_timeout;
};

std::string outcomeJson(const UpdateOutcome &outcome) {
    std::string json = "{\"requested\":[";
    for (std::size_t i = 0; i < outcome.requested.size(); ++i) {
        if (i) json += ',';
        json += '"' + formatIso(outcome.requested[i]) + '"';
    }
    const bool done = outcome.end == UpdateOutcome::End::Done || outcome.end == UpdateOutcome::End::Stopped;
    json += "],\"appended\":" + std::to_string(outcome.appended);
    json += std::string(",\"status\":\"") + (done ? "done" : "error") + "\"";
    return json + ",\"message\":" + jsonString(outcome.message) + "}";
}

struct UpdateOptions {
    std::string draws;
    std::string server;
    std::optional<Proxy> proxy;
    DaySerial today = 0;
    DaySerial from = 0;
    long long timeoutMs = kDefaultTimeoutMs;
};

Result<UpdateOptions> parseUpdateOptions(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "server", "proxy", "today", "from", "timeout-ms"}, {});
    if (!parsed) return parsed.error();
    if (Result<void> none = parsed->noPositionals(); !none) return none.error();
    UpdateOptions options;
    for (auto [name, value] : {std::pair{"draws", &options.draws}, std::pair{"server", &options.server}}) {
        auto text = parsed->text(name);
        if (!text) return text.error();
        *value = *text;
    }
    if (parsed->has("proxy")) {
        auto proxy = parseProxy(*parsed->text("proxy"));
        if (!proxy) return proxy.error();
        options.proxy = *proxy;
    }
    auto today = parsed->dateOr("today", todaySerial());
    if (!today) return today.error();
    // A later day would ask for draws that cannot exist yet, and take whatever came back for them.
    if (*today > todaySerial()) return badArgument("--today " + formatIso(*today) + " lies after today");
    options.today = *today;
    auto from = parsed->dateOr("from", 0);
    if (!from) return from.error();
    options.from = *from;
    auto timeout = parsed->integerOr("timeout-ms", 1, 600000, kDefaultTimeoutMs);
    if (!timeout) return timeout.error();
    options.timeoutMs = *timeout;
    return options;
}

} // namespace

int runUpdate(std::span<char *const> args) {
    auto options = parseUpdateOptions(args);
    if (!options) return fail(options.error().message);
    const DrawFile file(options->draws);
    if (options->from == 0) {
        // Without a stored draw there is nothing to continue from.
        auto last = file.exists() ? file.readLast() : Result<Draw>(Draw{});
        if (!last) return fail(last.error().message);
        if (last->date <= 0) return fail(options->draws + " holds no draw; --from DATE says where to start");
    }
    const UpdateOutcome outcome = runDrawUpdate(file, options->server, options->today, options->from,
                                                HttplibTransport(options->proxy, options->timeoutMs));
    std::printf("%s\n", outcomeJson(outcome).c_str());
    if (std::fflush(stdout) != 0) return kExitBad;
    if (outcome.end == UpdateOutcome::End::Notice)
        return fail("the number server answered: " + outcome.message);
    if (outcome.end == UpdateOutcome::End::Refused)
        return fail("the number server's answer for " + formatIso(outcome.requested.back()) +
                    " was not taken: " + outcome.message);
    if (outcome.end == UpdateOutcome::End::Failed) return fail(outcome.message);
    return kExitOk;
}

std::string updateDetails() {
    return "Asks SERVER for every draw day after the newest draw of FILE up to --today (default: today)\n"
           "and appends the draws it answers; status 500 means a draw is not there yet. An empty or\n"
           "missing FILE starts from --from DATE (as the window's date picker does). The JSON line lists\n"
           "the dates asked for and the draws appended; \"error\" (exit code 2) when a request got no\n"
           "complete answer within --timeout-ms (default 15000, for the whole request), an answer was\n"
           "larger than 64 KiB or redirected (redirects are not followed), a line was no draw (its text\n"
           "is the message), an answer was no draw of the game of its date (more than one draw, numbers\n"
           "out of range or repeated, a date tag of another day) or the file could not be written.\n"
           "Nothing of a refused answer is appended; draws appended before an error stay. --today may\n"
           "not lie after today.\n";
}

} // namespace quorix::cli
