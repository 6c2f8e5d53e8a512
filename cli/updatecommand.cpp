// quorix-cli update: the window's draw update, headless, with cpp-httplib as its HTTP client.
#include <chrono>
#include <cstdio>
#include <string>
#include <optional>
#include <string_view>

#include <httplib.h>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/drawfile.h"
#include "core/drawupdate.h"

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

// One GET through cpp-httplib. Error statuses come back as statuses; only a request that got no
// answer at all is an error.
class HttplibTransport {
public:
    HttplibTransport(std::optional<Proxy> proxy, long long timeoutMs)
        : m_proxy(std::move(proxy))
        , m_timeout(timeoutMs) {}

    HttpAnswer operator()(const std::string &url) const {
        HttpAnswer answer;
        const std::size_t scheme = url.find("://");
        const std::size_t pathStart =
            scheme == std::string::npos ? std::string::npos : url.find('/', scheme + 3);
        if (pathStart == std::string::npos) {
            answer.error = "not an http:// or https:// address: " + url;
            return answer;
        }
        httplib::Client client(url.substr(0, pathStart));
        if (!client.is_valid()) {
            answer.error = "not an http:// or https:// address: " + url;
            return answer;
        }
        client.set_connection_timeout(m_timeout);
        client.set_read_timeout(m_timeout);
        client.set_write_timeout(m_timeout);
        client.set_follow_location(true);
        if (m_proxy) client.set_proxy(m_proxy->host, m_proxy->port);
        const auto started = std::chrono::steady_clock::now();
        const httplib::Result result = client.Get(url.substr(pathStart));
        if (!result) {
            const bool late = std::chrono::steady_clock::now() - started >= m_timeout;
            answer.error =
                late ? "no answer from " + url + " within " + std::to_string(m_timeout.count()) + " ms"
                     : "request for " + url + " failed: " + httplib::to_string(result.error());
            return answer;
        }
        answer.status = result->status;
        answer.statusText = result->reason;
        answer.body = result->body;
        return answer;
    }

private:
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

// A date option when given, else `fallback`.
Result<DaySerial> dateOr(const CliArgs &args, std::string_view name, DaySerial fallback) {
    return args.has(name) ? args.date(name) : Result<DaySerial>(fallback);
}

Result<UpdateOptions> parseUpdateOptions(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "server", "proxy", "today", "from", "timeout-ms"}, {});
    if (!parsed) return parsed.error();
    if (!parsed->positionals().empty())
        return badArgument("unexpected argument " + parsed->positionals().front());
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
    auto today = dateOr(*parsed, "today", todaySerial());
    if (!today) return today.error();
    options.today = *today;
    auto from = dateOr(*parsed, "from", 0);
    if (!from) return from.error();
    options.from = *from;
    if (parsed->has("timeout-ms")) {
        auto timeout = parsed->integer("timeout-ms", 1, 600000);
        if (!timeout) return timeout.error();
        options.timeoutMs = *timeout;
    }
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
    if (outcome.end == UpdateOutcome::End::Failed) return fail(outcome.message);
    return kExitOk;
}

std::string updateDetails() {
    return "Asks SERVER for every draw day after the newest draw of FILE up to --today (default: today)\n"
           "and appends the draws it answers; status 500 means a draw is not there yet. An empty or\n"
           "missing FILE starts from --from DATE (as the window's date picker does). The JSON line lists\n"
           "the dates asked for and the draws appended; \"error\" (exit code 2) when a request got no\n"
           "answer (--timeout-ms, default 15000), a line was no draw (its text is the message) or the\n"
           "file could not be written. Draws appended before an error stay.\n";
}

} // namespace quorix::cli
