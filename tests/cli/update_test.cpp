// quorix-cli serve and update against each other: the server started on a free port per test.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <httplib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/history/drawfile.h"
#include "numberserver.h"
#include "clirun.h"
#include "rawserver.h"

using namespace quorix;
using quorix::test::CliRun;
using quorix::test::endlessAnswer;
using quorix::test::NumberServerProcess;
using quorix::test::plainAnswer;
using quorix::test::RawServer;
using quorix::test::runCli;
using quorix::test::slurp;
namespace fs = std::filesystem;

namespace {

Draw makeDraw(int y, int m, int d, int first, std::array<int, 6> joker = {1, 2, 3, 4, 5, 6}) {
    Draw draw;
    draw.date = serialFromYmd(y, m, d);
    draw.numbers = {first, 12, 19, 27, 33, 41};
    draw.bonus = 0;
    draw.lucky = 4;
    draw.replay = 8;
    draw.joker = joker;
    return draw;
}

// The history the server holds; the player's copy stops at 05.04.2014.
const std::vector<Draw> kServerHistory = {
    makeDraw(2014, 4, 2, 1),  makeDraw(2014, 4, 5, 2),  makeDraw(2014, 4, 9, 3, {0, 4, 7, 1, 1, 9}),
    makeDraw(2014, 4, 12, 4), makeDraw(2014, 4, 16, 5),
};

class ServeUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir =
            fs::temp_directory_path() / ("quorix-update-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        ASSERT_TRUE(DrawFile(path("server.dat")).rewrite(kServerHistory));
        ASSERT_TRUE(DrawFile(path("ZahlenCH.dat")).rewrite({kServerHistory[0], kServerHistory[1]}));
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string &name) const { return (m_dir / name).string(); }
    std::vector<Draw> playerDraws() const { return *DrawFile(path("ZahlenCH.dat")).readAll(); }

    CliRun cli(const std::string &args) const { return runCli(m_dir, args); }
    CliRun update(const NumberServerProcess &server, const std::string &more) const {
        return cli("update --draws '" + path("ZahlenCH.dat") + "' --server " + server.address() + " " + more);
    }

    fs::path m_dir;
};

} // namespace

TEST_F(ServeUpdate, UpdateFetchesExactlyTheMissingDrawsAndThenNothing) {
    NumberServerProcess server(path("server.dat"), {}, path("serve.log"));
    ASSERT_TRUE(server.running());

    CliRun run = update(server, "--today 2014-04-17");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "{\"requested\":[\"2014-04-09\",\"2014-04-12\",\"2014-04-16\"],\"appended\":3,"
                       "\"status\":\"done\",\"message\":\"\"}\n");
    EXPECT_EQ(playerDraws(), kServerHistory);

    // Up to date: the next draw day lies after today, nothing is asked.
    run = update(server, "--today 2014-04-18");
    EXPECT_EQ(run.out, "{\"requested\":[],\"appended\":0,\"status\":\"done\",\"message\":\"\"}\n");
    EXPECT_EQ(playerDraws(), kServerHistory);

    // One log line per request.
    const std::string log = slurp(path("serve.log"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
    EXPECT_NE(log.find("Datum=20140412\" 200"), std::string::npos) << log;
}

TEST_F(ServeUpdate, ErrorStatusesAndMissingDrawsDoNotEndTheUpdate) {
    NumberServerProcess server(path("server.dat"), {"--status-for", "2014-04-09=404"}, path("serve.log"));
    ASSERT_TRUE(server.running());
    // 19.04. is not on the server: 500, not there yet.
    const CliRun run = update(server, "--today 2014-04-19");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "{\"requested\":[\"2014-04-09\",\"2014-04-12\",\"2014-04-16\",\"2014-04-19\"],"
                       "\"appended\":2,\"status\":\"done\",\"message\":\"\"}\n");
    const auto draws = playerDraws();
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws[2], kServerHistory[3]);
    EXPECT_EQ(draws[3], kServerHistory[4]);
}

TEST_F(ServeUpdate, NoticeLineEndsTheUpdateAndShortJokerBecomesZeros) {
    NumberServerProcess server(path("server.dat"),
                               {"--notice", "2014-04-09=Die Zahlen vom 12.04. folgen, bitte Geduld",
                                "--status-for", "2014-04-05=500"},
                               path("serve.log"));
    ASSERT_TRUE(server.running());
    // The notice follows the draw of 09.04. in the same answer: that draw stays, 12.04. is not asked.
    CliRun run = update(server, "--today 2014-04-20");
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "{\"requested\":[\"2014-04-09\"],\"appended\":1,\"status\":\"error\","
                       "\"message\":\" bitte Geduld\"}\n");
    EXPECT_NE(run.err.find("bitte Geduld"), std::string::npos);
    ASSERT_EQ(playerDraws().size(), 3u);
    EXPECT_EQ(playerDraws()[2], kServerHistory[2]);

    NumberServerProcess shortJoker(
        path("server.dat"), {"--notice", "2014-04-19=Z,7,8,9,10,11,12,0,3,5;04711;"}, path("serve2.log"));
    ASSERT_TRUE(shortJoker.running());
    ASSERT_TRUE(DrawFile(path("ZahlenCH.dat")).rewrite(kServerHistory));
    run = update(shortJoker, "--today 2014-04-19");
    EXPECT_EQ(run.code, 0) << run.err;
    const auto draws = playerDraws();
    ASSERT_EQ(draws.size(), 6u);
    EXPECT_EQ(draws[5].date, serialFromYmd(2014, 4, 19));
    EXPECT_EQ(draws[5].numbers, (std::array<int, 6>{7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(draws[5].joker, (std::array<int, 6>{}));
}

TEST_F(ServeUpdate, TimeoutIsAnErrorNotAHang) {
    NumberServerProcess server(path("server.dat"), {"--delay-ms", "5000"}, path("serve.log"));
    ASSERT_TRUE(server.running());
    const CliRun run = update(server, "--today 2014-04-17 --timeout-ms 300");
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.out.find("\"requested\":[\"2014-04-09\"],\"appended\":0,\"status\":\"error\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("within 300 ms"), std::string::npos) << run.out;
    EXPECT_EQ(playerDraws().size(), 2u);
}

TEST_F(ServeUpdate, ProxyIsUsedAndItsPortMustBeANumber) {
    NumberServerProcess server(path("server.dat"), {}, path("serve.log"));
    ASSERT_TRUE(server.running());
    // The server's own name cannot be resolved: only the proxy (the local server) can answer.
    CliRun run = cli("update --draws '" + path("ZahlenCH.dat") +
                     "' --server http://zahlen.invalid/ --today 2014-04-10 --proxy 127.0.0.1:" +
                     std::to_string(server.port()));
    EXPECT_EQ(run.code, 0) << run.err << run.out;
    EXPECT_EQ(playerDraws().size(), 3u);
    EXPECT_NE(slurp(path("serve.log")).find("GET http://zahlen.invalid"), std::string::npos);

    for (const char *bad : {"127.0.0.1:80a", "127.0.0.1:", "127.0.0.1", "127.0.0.1:70000"}) {
        run = update(server, std::string("--today 2014-04-20 --proxy ") + bad);
        EXPECT_EQ(run.code, 2) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
        EXPECT_NE(run.err.find("--proxy"), std::string::npos) << run.err;
    }
    EXPECT_EQ(playerDraws().size(), 3u);
}

TEST_F(ServeUpdate, RequestWithoutAnswerAndEmptyHistory) {
    // Nothing listens on the port of a server that has ended.
    int deadPort = 0;
    {
        NumberServerProcess server(path("server.dat"), {}, path("serve.log"));
        deadPort = server.port();
    }
    CliRun run = cli("update --draws '" + path("ZahlenCH.dat") +
                     "' --server http://127.0.0.1:" + std::to_string(deadPort) + "/ --today 2014-04-17");
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.out.find("\"appended\":0,\"status\":\"error\""), std::string::npos) << run.out;
    EXPECT_EQ(playerDraws().size(), 2u);

    // An empty history needs the date to start from.
    NumberServerProcess server(path("server.dat"), {}, path("serve.log"));
    ASSERT_TRUE(DrawFile(path("empty.dat")).createEmpty());
    run = cli("update --draws '" + path("empty.dat") + "' --server " + server.address() +
              " --today 2014-04-12");
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("--from"), std::string::npos);
    // A Thursday: the first draw day after it is Saturday 05.04.
    run = cli("update --draws '" + path("empty.dat") + "' --server " + server.address() +
              " --today 2014-04-12 --from 2014-04-03");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(*DrawFile(path("empty.dat")).readAll(),
              (std::vector<Draw>{kServerHistory[1], kServerHistory[2], kServerHistory[3]}));
}

TEST_F(ServeUpdate, ServerAnswersTheProtocol) {
    // The test options may be repeated: a later status for a date wins, notices follow in order.
    NumberServerProcess server(path("server.dat"),
                               {"--status-for", "2014-04-12=404", "--notice", "2014-04-23=first",
                                "--status-for", "2014-04-12=503", "--notice", "2014-04-23=second"},
                               path("serve.log"));
    ASSERT_TRUE(server.running());
    httplib::Client client("127.0.0.1", server.port());
    const std::string ask = "/zahlen/lotto_neu.asp?Programm=Quorix&Datum=";

    auto r = client.Get(ask + "20140409");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 200);
    EXPECT_EQ(r->body, "20140409,3,12,19,27,33,41,0,4,8;047119;\r\n");
    r = client.Get(ask + "20140419");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 500);
    r = client.Get(ask + "20140412");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 503);
    for (const std::string &bad : {ask + "2014049", ask + "20140231", std::string("/zahlen/lotto_neu.asp")}) {
        r = client.Get(bad);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 400) << bad;
    }
    r = client.Get(ask + "20140423");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 200);
    EXPECT_EQ(r->body, "first\r\nsecond\r\n");
    r = client.Get("/index.html");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 404);

    // A history brought up to date while the server runs is served at once.
    ASSERT_TRUE(DrawFile(path("server.dat")).append(makeDraw(2014, 4, 19, 6)));
    r = client.Get(ask + "20140419");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 200);
}

TEST_F(ServeUpdate, ServeRefusesBadArguments) {
    for (const std::string &args : {"serve --draws '" + path("missing.dat") + "' --port 0",
                                    "serve --draws '" + path("server.dat") + "' --port 70000",
                                    "serve --draws '" + path("server.dat") + "' --status-for 2014-04-09=99",
                                    "serve --draws '" + path("server.dat") + "' --notice 20140409=x"}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    // A status outside the range the help names is refused by name (the missing file would end a
    // server that took it, so only the text tells them apart).
    const std::string missing = "serve --port 0 --draws '" + path("missing.dat") + "'";
    for (const char *status : {"600", "999", "199", "2x0"}) {
        const CliRun run = cli(missing + " --status-for 2014-04-09=" + status);
        EXPECT_EQ(run.code, 2) << status;
        EXPECT_EQ(run.err, std::string("quorix-cli: --status-for needs a status 200..599: ") + status + "\n");
    }
    const CliRun edge = cli(missing + " --status-for 2014-04-09=599 --status-for 2014-04-10=200");
    EXPECT_NE(edge.err.find("missing.dat does not exist"), std::string::npos) << edge.err;
}

TEST_F(ServeUpdate, HostileAnswersAddNothingAndEndWithTheirCause) {
    using namespace std::chrono_literals;
    const std::string ok = "HTTP/1.1 200 OK\r\n";
    const std::string line = "A,3,12,19,27,33,41,0,4,8;047119;\r\n";
    std::string validLines;
    while (validLines.size() < (std::size_t{10} << 20))
        validLines += line;
    std::string chunk;
    while (chunk.size() < 4000)
        chunk += line;
    std::ostringstream hexSize;
    hexSize << std::hex << chunk.size();
    const struct {
        const char *name;
        RawServer::Answer answer;
        const char *message;
    } cases[] = {
        {"every value out of range", plainAnswer(ok, "20140409,0,43,99,255,7,7,46,9,200;12345x;\r\n"),
         "number 0 is outside 1..42 (6 from 42 with lucky number)"},
        {"repeated number", plainAnswer(ok, "A,3,12,19,27,12,41,0,4,8;047119;\r\n"),
         "number 12 is drawn twice"},
        {"additional number where the game has none", plainAnswer(ok, "A,3,12,19,27,33,41,9,4,8;047119;\r\n"),
         "additional number 9 where the game has none"},
        {"date tag of another day", plainAnswer(ok, "20991231,3,12,19,27,33,41,0,4,8;047119;\r\n"),
         "the draw is dated 20991231, not the day asked for"},
        {"three equal lines", plainAnswer(ok, line + line + line), "more than one draw"},
        {"10 MB of valid lines", plainAnswer(ok, validLines), "answer larger than 64 KiB"},
        {"endless chunked body",
         endlessAnswer(ok + "Transfer-Encoding: chunked\r\n\r\n", hexSize.str() + "\r\n" + chunk + "\r\n"),
         "answer larger than 64 KiB"},
        {"endless headers", endlessAnswer(ok, "X-Filler: " + std::string(1000, 'a') + "\r\n"),
         "answer headers larger than 16 KiB"},
        {"a byte at a time", endlessAnswer(ok + "Content-Length: 1000\r\n\r\n", "A", 50ms),
         "no complete answer within 300 ms"},
        {"headers a byte at a time", endlessAnswer("", "H", 50ms), "no complete answer within 300 ms"},
        {"redirect",
         plainAnswer("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:1/elsewhere\x1b[2J\r\n", "moved"),
         "redirect to http://127.0.0.1:1/elsewhere?[2J not followed"},
    };
    for (const auto &c : cases) {
        RawServer server(c.answer);
        // Only the slow servers are meant to meet the deadline; the others get time to spare.
        const bool slow = std::string_view(c.message).starts_with("no complete answer");
        const CliRun run = cli("update --draws '" + path("ZahlenCH.dat") + "' --server " + server.address() +
                               " --today 2014-04-17 --timeout-ms " + (slow ? "300" : "30000"));
        EXPECT_EQ(run.code, 2) << c.name;
        EXPECT_NE(run.out.find("{\"requested\":[\"2014-04-09\"],\"appended\":0,\"status\":\"error\""),
                  std::string::npos)
            << c.name << ": " << run.out;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.name << ": " << run.out;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(playerDraws(), (std::vector<Draw>{kServerHistory[0], kServerHistory[1]})) << c.name;
    }
}

TEST_F(ServeUpdate, TodayMayNotLieAfterTheRealDate) {
    NumberServerProcess server(path("server.dat"), {}, path("serve.log"));
    ASSERT_TRUE(server.running());
    const CliRun run = update(server, "--today 2999-01-01");
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("--today 2999-01-01 lies after today"), std::string::npos) << run.err;
    EXPECT_EQ(playerDraws().size(), 2u);
}
