#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/drawupdate.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

DaySerial day(int y, int m, int d) {
    return serialFromYmd(y, m, d);
}

Draw stored(DaySerial date, int first) {
    Draw d;
    d.date = date;
    d.numbers = {first, 11, 17, 25, 33, 40};
    d.lucky = 5;
    return d;
}

// A number server in memory: answers by date, records every URL asked for.
class FakeServer {
public:
    std::map<std::string, HttpAnswer> answers; // by "yyyymmdd"
    std::vector<std::string> urls;

    HttpTransport transport() {
        return [this](const std::string &url) {
            urls.push_back(url);
            const auto it = answers.find(url.substr(url.size() - 8));
            return it != answers.end() ? it->second : HttpAnswer{500, "Internal Server Error", "", ""};
        };
    }
    void draw(DaySerial date, const std::string &body) { answers[compactDate(date)] = {200, "OK", body, ""}; }
};

class DrawUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("quorix-drawupdate-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    DrawFile file() const { return DrawFile(m_dir / "ZahlenCH.dat"); }
    std::vector<Draw> draws() const { return *file().readAll(); }

    fs::path m_dir;
};

} // namespace

TEST(DrawUpdateRules, FirstRequestDateFollowsTheDrawDaysAndSkipsDaysWithoutADraw) {
    const struct {
        DaySerial from, first;
    } cases[] = {
        {day(2014, 4, 5), day(2014, 4, 9)},   // Saturday -> Wednesday
        {day(2014, 4, 9), day(2014, 4, 12)},  // Wednesday -> Saturday
        {day(2014, 4, 6), day(2014, 4, 9)},   // Sunday -> Wednesday
        {day(2014, 4, 7), day(2014, 4, 9)},   // Monday -> Wednesday
        {day(2014, 4, 8), day(2014, 4, 9)},   // Tuesday -> Wednesday
        {day(2014, 4, 10), day(2014, 4, 12)}, // Thursday -> Saturday
        {day(2014, 4, 11), day(2014, 4, 12)}, // Friday -> Saturday
    };
    for (const auto &c : cases)
        EXPECT_EQ(firstRequestDate(c.from), c.first) << formatIso(c.from);
}

TEST(DrawUpdateRules, RequestUrlAndProxyPort) {
    const DaySerial date = day(2014, 4, 9);
    EXPECT_EQ(drawRequestUrl("http://127.0.0.1:6042/", date),
              "http://127.0.0.1:6042/zahlen/lotto_neu.asp?Programm=Quorix&Datum=20140409");
    EXPECT_EQ(drawRequestUrl("http://zahlen.example/lotto", date),
              "http://zahlen.example/lotto/zahlen/lotto_neu.asp?Programm=Quorix&Datum=20140409");
    EXPECT_EQ(compactDate(day(1999, 12, 1)), "19991201");

    EXPECT_EQ(*parseProxyPort("8080"), 8080);
    EXPECT_EQ(*parseProxyPort("65535"), 65535);
    for (const char *bad : {"", "0", "65536", "80a", " 80", "-1", "999999999999", "8o"})
        EXPECT_FALSE(parseProxyPort(bad)) << bad;
}

// How the tests render the progress: the German window's words for a draw not there yet.
constexpr std::string_view kNotThereYet = "noch nicht da!";

// Each kind of step in the status bar's words; a draw not there yet in the language's words, or
// its date alone when the language has none.
TEST(UpdateProgress, TextOfEachKind) {
    const DaySerial date = day(2014, 4, 12);
    using P = UpdateProgress;
    const struct {
        UpdateProgress progress;
        std::string_view words;
        const char *text;
    } cases[] = {
        {P::loading(date), kNotThereYet, "Loading"},
        {P::received(date, 97), kNotThereYet, "Received 97 bytes"},
        {P::received(date, 0), kNotThereYet, "Received 0 bytes"},
        {P::failed(date, 404, "Not Found"), kNotThereYet, "Failed : 404 Not Found"},
        {P::notThereYet(date), kNotThereYet, "12.04.2014 noch nicht da!"},
        {P::notThereYet(date), "not there yet!", "12.04.2014 not there yet!"},
        {P::notThereYet(date), "", "12.04.2014"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(progressText(c.progress, c.words), c.text);
}

TEST_F(DrawUpdate, AsksForEachDrawDayUpToTodayAndAppendsTheAnswers) {
    ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 5), 1)}));
    FakeServer server;
    server.draw(day(2014, 4, 9), "A,3,11,17,25,33,40,0,5,7;047119;\r\n");
    std::vector<std::string> progress;
    std::vector<std::string> shown;
    UpdateEvents events;
    events.progress = [&](const UpdateProgress &p) { progress.push_back(progressText(p, kNotThereYet)); };
    events.appended = [&](const ServerDraw &d) { shown.push_back(d.jokerShown); };

    const UpdateOutcome outcome =
        runDrawUpdate(file(), "http://127.0.0.1:6042/", day(2014, 4, 10), 0, server.transport(), events);

    EXPECT_EQ(outcome.end, UpdateOutcome::End::Done);
    EXPECT_EQ(outcome.requested, std::vector<DaySerial>{day(2014, 4, 9)});
    EXPECT_EQ(outcome.appended, 1);
    EXPECT_EQ(server.urls, std::vector<std::string>{
                               "http://127.0.0.1:6042/zahlen/lotto_neu.asp?Programm=Quorix&Datum=20140409"});
    EXPECT_EQ(progress, (std::vector<std::string>{"Loading", "Received 34 bytes"}));
    EXPECT_EQ(shown, std::vector<std::string>{"047119"});
    const auto all = draws();
    ASSERT_EQ(all.size(), 2u);
    Draw want;
    want.date = day(2014, 4, 9);
    want.numbers = {3, 11, 17, 25, 33, 40};
    want.lucky = 5;
    want.replay = 7;
    want.joker = {0, 4, 7, 1, 1, 9};
    EXPECT_EQ(all[1], want);
}

TEST_F(DrawUpdate, NewestDrawOfTodayAsksNothing) {
    ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 9), 1)}));
    FakeServer server;
    const UpdateOutcome outcome = runDrawUpdate(file(), "http://x/", day(2014, 4, 9), 0, server.transport());
    EXPECT_EQ(outcome.end, UpdateOutcome::End::Done);
    EXPECT_TRUE(outcome.requested.empty());
    EXPECT_TRUE(server.urls.empty());
    EXPECT_EQ(draws().size(), 1u);
}

// Today is a draw day: its draw is asked for, and taken when it is there; when it is not (500) the
// update ends without it.
TEST_F(DrawUpdate, TodayOnADrawDayIsAskedForAndTakenWhenItIsThere) {
    const DaySerial wednesday = day(2014, 4, 9);
    const DaySerial saturday = day(2014, 4, 12);
    const struct {
        const char *name;
        DaySerial today;
        bool todaysDrawThere;
        std::vector<DaySerial> requested, appended;
        std::vector<std::string> progress;
    } cases[] = {
        {"Wednesday, there", wednesday, true, {wednesday}, {wednesday}, {"Loading", "Received 34 bytes"}},
        {"Wednesday, not yet",
         wednesday,
         false,
         {wednesday},
         {},
         {"Loading", "Received 0 bytes", "09.04.2014 noch nicht da!"}},
        {"Saturday, there",
         saturday,
         true,
         {wednesday, saturday},
         {wednesday, saturday},
         {"Loading", "Received 34 bytes", "Loading", "Received 34 bytes"}},
        {"Saturday, not yet",
         saturday,
         false,
         {wednesday, saturday},
         {wednesday},
         {"Loading", "Received 34 bytes", "Loading", "Received 0 bytes", "12.04.2014 noch nicht da!"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Draw saturdayBefore = stored(day(2014, 4, 5), 1);
        ASSERT_TRUE(file().rewrite({saturdayBefore}));
        FakeServer server;
        if (c.today == saturday) server.draw(wednesday, "A,2,11,17,25,33,40,0,5,7;047119;\r\n");
        if (c.todaysDrawThere)
            server.draw(c.today, "A," + std::to_string(c.today == saturday ? 3 : 2) +
                                     ",11,17,25,33,40,0,5,7;047119;\r\n");
        std::vector<std::string> progress;
        std::vector<DaySerial> appended;
        UpdateEvents events;
        events.progress = [&](const UpdateProgress &p) { progress.push_back(progressText(p, kNotThereYet)); };
        events.appended = [&](const ServerDraw &d) { appended.push_back(d.draw.date); };

        const UpdateOutcome outcome =
            runDrawUpdate(file(), "http://127.0.0.1:6042/", c.today, 0, server.transport(), events);

        EXPECT_EQ(outcome.end, UpdateOutcome::End::Done);
        EXPECT_EQ(outcome.requested, c.requested);
        std::vector<std::string> urls;
        for (const DaySerial date : c.requested)
            urls.push_back("http://127.0.0.1:6042/zahlen/lotto_neu.asp?Programm=Quorix&Datum=" +
                           compactDate(date));
        EXPECT_EQ(server.urls, urls);
        EXPECT_EQ(progress, c.progress);
        EXPECT_EQ(appended, c.appended);
        EXPECT_EQ(outcome.appended, static_cast<int>(c.appended.size()));
        std::vector<Draw> want{saturdayBefore};
        for (const DaySerial date : c.appended) {
            Draw d = stored(date, date == saturday ? 3 : 2);
            d.replay = 7;
            d.joker = {0, 4, 7, 1, 1, 9};
            want.push_back(d);
        }
        EXPECT_EQ(draws(), want);
    }
}

TEST_F(DrawUpdate, ErrorStatusesAreReportedAndTheUpdateGoesOn) {
    ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 5), 1)}));
    FakeServer server;
    server.answers[compactDate(day(2014, 4, 9))] = {404, "Not Found", "<html>gone</html>", ""};
    // 12.04. is not answered: 500, not there yet.
    server.draw(day(2014, 4, 16), "A,1,2,3,4,5,6,0,1,2;123456;\n");
    std::vector<std::string> progress;
    UpdateEvents events;
    events.progress = [&](const UpdateProgress &p) { progress.push_back(progressText(p, kNotThereYet)); };

    const UpdateOutcome outcome =
        runDrawUpdate(file(), "http://x/", day(2014, 4, 18), 0, server.transport(), events);

    EXPECT_EQ(outcome.end, UpdateOutcome::End::Done);
    EXPECT_EQ(outcome.requested,
              (std::vector<DaySerial>{day(2014, 4, 9), day(2014, 4, 12), day(2014, 4, 16)}));
    EXPECT_EQ(outcome.appended, 1);
    EXPECT_EQ(progress, (std::vector<std::string>{"Loading", "Received 17 bytes", "Failed : 404 Not Found",
                                                  "Loading", "Received 0 bytes", "12.04.2014 noch nicht da!",
                                                  "Loading", "Received 28 bytes"}));
    ASSERT_EQ(draws().size(), 2u);
    EXPECT_EQ(draws()[1].date, day(2014, 4, 16));
}

TEST_F(DrawUpdate, NoticeLineEndsTheUpdateKeepingWhatCameBefore) {
    ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 5), 1)}));
    FakeServer server;
    server.draw(day(2014, 4, 9), "A,2,11,17,25,33,40,0,5,7;04711;\n");
    server.draw(day(2014, 4, 12),
                "A,3,11,17,25,33,40,0,5,7;047119;\nZiehung wird noch geprueft\nA,4,1,1,1,1,1,0,1,1;1;\n");
    server.draw(day(2014, 4, 16), "A,5,11,17,25,33,40,0,5,7;047119;\n");

    const UpdateOutcome outcome = runDrawUpdate(file(), "http://x/", day(2014, 4, 20), 0, server.transport());

    EXPECT_EQ(outcome.end, UpdateOutcome::End::Notice);
    EXPECT_EQ(outcome.message, "Ziehung wird noch geprueft");
    EXPECT_EQ(outcome.requested, (std::vector<DaySerial>{day(2014, 4, 9), day(2014, 4, 12)}));
    EXPECT_EQ(outcome.appended, 2);
    const auto all = draws();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].numbers[0], 2);
    EXPECT_EQ(all[1].joker, (std::array<int, 6>{})); // the short Joker
    EXPECT_EQ(all[2].numbers[0], 3);
    EXPECT_EQ(all[2].date, day(2014, 4, 12));
}

TEST_F(DrawUpdate, StopEndsBeforeTheNextRequest) {
    ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 5), 1)}));
    FakeServer server;
    server.draw(day(2014, 4, 9), "A,2,11,17,25,33,40,0,5,7;047119;\n");
    server.draw(day(2014, 4, 12), "A,3,11,17,25,33,40,0,5,7;047119;\n");
    bool stop = false;
    UpdateEvents events;
    events.stopRequested = [&] { return stop; };
    events.appended = [&](const ServerDraw &) { stop = true; };

    const UpdateOutcome outcome =
        runDrawUpdate(file(), "http://x/", day(2014, 4, 20), 0, server.transport(), events);

    EXPECT_EQ(outcome.end, UpdateOutcome::End::Stopped);
    EXPECT_EQ(server.urls.size(), 1u);
    EXPECT_EQ(draws().size(), 2u);
}

TEST_F(DrawUpdate, RequestWithoutStatusEndsKeepingWhatCameBeforeUnlessStopped) {
    ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 5), 1)}));
    FakeServer server;
    server.draw(day(2014, 4, 9), "A,2,11,17,25,33,40,0,5,7;047119;\n");
    server.answers[compactDate(day(2014, 4, 12))] = {0, "", "", "Connection refused"};

    UpdateOutcome outcome = runDrawUpdate(file(), "http://x/", day(2014, 4, 20), 0, server.transport());
    EXPECT_EQ(outcome.end, UpdateOutcome::End::Failed);
    EXPECT_EQ(outcome.message, "Connection refused");
    EXPECT_EQ(outcome.appended, 1);
    EXPECT_EQ(draws().size(), 2u);

    // The same failure after the stop button was pressed is the stop.
    bool stop = false;
    UpdateEvents events;
    events.stopRequested = [&] { return stop; };
    events.requesting = [&](DaySerial) { stop = true; };
    outcome = runDrawUpdate(file(), "http://x/", day(2014, 4, 20), 0, server.transport(), events);
    EXPECT_EQ(outcome.end, UpdateOutcome::End::Stopped);
    EXPECT_EQ(draws().size(), 2u);
}

TEST_F(DrawUpdate, EmptyOrMissingFileStartsFromThePickedDate) {
    FakeServer server;
    std::vector<DaySerial> dates;
    UpdateEvents events;
    events.requesting = [&](DaySerial d) { dates.push_back(d); };
    // A Monday: the first request is the Wednesday after it, never the Monday again and again.
    const UpdateOutcome outcome =
        runDrawUpdate(file(), "http://x/", day(2014, 4, 13), day(2014, 4, 7), server.transport(), events);
    EXPECT_TRUE(file().exists());
    EXPECT_EQ(outcome.end, UpdateOutcome::End::Done);
    EXPECT_EQ(dates, (std::vector<DaySerial>{day(2014, 4, 9), day(2014, 4, 12)}));
    EXPECT_TRUE(draws().empty());
}

TEST_F(DrawUpdate, RefusedAnswerEndsTheUpdateAndNothingOfItIsStored) {
    const struct {
        const char *body;
        const char *message;
    } cases[] = {
        {"A,0,43,99,255,7,7,46,9,200;12345x;\n", "number 0 is outside 1..42 (6 from 42 with lucky number)"},
        {"A,3,11,17,25,33,40,0,5,7;047119;\nA,3,11,17,25,33,40,0,5,7;047119;\nA,3,11,17,25,33,40,0,5,7;"
         "047119;\n",
         "more than one draw"},
        {"20991231,3,11,17,25,33,40,0,5,7;047119;\n", "the draw is dated 20991231, not the day asked for"},
        {"A,3,11,17,25,33,40,0,5,7;047119;\nA,3,11,17,25,33,40,0,5,7;047119;\nNotiz\n", "more than one draw"},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 5), 1)}));
        FakeServer server;
        server.draw(day(2014, 4, 9), "A,2,11,17,25,33,40,0,5,7;047119;\n");
        server.draw(day(2014, 4, 12), c.body);
        server.draw(day(2014, 4, 16), "A,5,11,17,25,33,40,0,5,7;047119;\n");
        int shown = 0;
        UpdateEvents events;
        events.appended = [&](const ServerDraw &) { ++shown; };

        const UpdateOutcome outcome =
            runDrawUpdate(file(), "http://x/", day(2014, 4, 20), 0, server.transport(), events);

        EXPECT_EQ(outcome.end, UpdateOutcome::End::Refused) << c.body;
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(outcome.requested, (std::vector<DaySerial>{day(2014, 4, 9), day(2014, 4, 12)}));
        EXPECT_EQ(outcome.appended, 1);
        EXPECT_EQ(shown, 1);
        const auto all = draws();
        ASSERT_EQ(all.size(), 2u) << c.body;
        EXPECT_EQ(all[1].date, day(2014, 4, 9));
    }
}

// Another writer brings in the date asked for, and a later one, while the update waits for its
// answer: nothing is stored twice, nothing is reported that this update did not write, and the
// update goes on after the newest stored draw.
TEST_F(DrawUpdate, ADateAnotherWriterBroughtInMeanwhileIsNeitherAppendedNorReported) {
    ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 5), 1)}));
    FakeServer server;
    for (DaySerial d : {day(2014, 4, 9), day(2014, 4, 12), day(2014, 4, 16), day(2014, 4, 19)})
        server.draw(d, "A,3,11,17,25,33,40,0,5,7;047119;\n");
    const HttpTransport transport = [&](const std::string &url) {
        if (url.ends_with("20140409")) {
            const auto imported = file().modify([](const std::vector<Draw> &history) {
                std::vector<Draw> more = history;
                more.push_back(stored(day(2014, 4, 9), 2));
                more.push_back(stored(day(2014, 4, 12), 2));
                return Result<std::vector<Draw>>(more);
            });
            EXPECT_TRUE(imported);
        }
        return server.transport()(url);
    };
    std::vector<DaySerial> told;
    UpdateEvents events;
    events.appended = [&](const ServerDraw &d) { told.push_back(d.draw.date); };

    const UpdateOutcome outcome = runDrawUpdate(file(), "http://x/", day(2014, 4, 20), 0, transport, events);

    EXPECT_EQ(outcome.end, UpdateOutcome::End::Done);
    EXPECT_EQ(outcome.requested,
              (std::vector<DaySerial>{day(2014, 4, 9), day(2014, 4, 16), day(2014, 4, 19)}));
    EXPECT_EQ(outcome.appended, 2);
    EXPECT_EQ(told, (std::vector<DaySerial>{day(2014, 4, 16), day(2014, 4, 19)}));
    const auto all = draws();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[1], stored(day(2014, 4, 9), 2)); // the other writer's draw stays as it wrote it
    EXPECT_EQ(all[2].date, day(2014, 4, 12));
    EXPECT_EQ(all[4].date, day(2014, 4, 19));
}

// A second update runs to its end while the first waits for its first answer: each draw is
// stored once, and the first update reports none of them as its own.
TEST_F(DrawUpdate, TwoUpdatesAtOnceStoreEachDrawOnce) {
    ASSERT_TRUE(file().rewrite({stored(day(2014, 4, 5), 1)}));
    FakeServer server;
    for (DaySerial d : {day(2014, 4, 9), day(2014, 4, 12), day(2014, 4, 16)})
        server.draw(d, "A,3,11,17,25,33,40,0,5,7;047119;\n");
    UpdateOutcome second;
    bool secondRan = false;
    const HttpTransport transport = [&](const std::string &url) {
        if (!secondRan) {
            secondRan = true;
            second = runDrawUpdate(file(), "http://x/", day(2014, 4, 18), 0, server.transport());
        }
        return server.transport()(url);
    };
    int told = 0;
    UpdateEvents events;
    events.appended = [&](const ServerDraw &) { ++told; };

    const UpdateOutcome first = runDrawUpdate(file(), "http://x/", day(2014, 4, 18), 0, transport, events);

    EXPECT_EQ(second.end, UpdateOutcome::End::Done);
    EXPECT_EQ(second.appended, 3);
    EXPECT_EQ(first.end, UpdateOutcome::End::Done);
    EXPECT_EQ(first.appended, 0);
    EXPECT_EQ(told, 0);
    EXPECT_EQ(first.requested, std::vector<DaySerial>{day(2014, 4, 9)});
    std::vector<DaySerial> dates;
    for (const Draw &d : draws())
        dates.push_back(d.date);
    EXPECT_EQ(dates,
              (std::vector<DaySerial>{day(2014, 4, 5), day(2014, 4, 9), day(2014, 4, 12), day(2014, 4, 16)}));
}
