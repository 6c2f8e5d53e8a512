// The window's draw update against `quorix-cli serve` on a free port.
#include <QAbstractButton>
#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/mainwindow/mainwindow.h"
#include "app/online/scriptupdate.h"
#include "app/history/drawupdater.h"
#include "appfixture.h"
#include "core/history/drawfile.h"
#include "rawserver.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using quorix::test::endlessAnswer;
using quorix::test::plainAnswer;
using quorix::test::RawServer;

namespace {

const std::vector<Draw> kServerHistory = {
    makeDraw("2014-04-02", {1, 12, 19, 27, 33, 41}, 0, 4, 8, {1, 2, 3, 4, 5, 6}),
    makeDraw("2014-04-05", {2, 12, 19, 27, 33, 41}, 0, 4, 8, {1, 2, 3, 4, 5, 6}),
    makeDraw("2014-04-09", {3, 11, 17, 25, 33, 40}, 0, 5, 7, {0, 4, 7, 1, 1, 9}),
    makeDraw("2014-04-12", {4, 12, 19, 27, 33, 41}, 0, 4, 8, {1, 2, 3, 4, 5, 6}),
    makeDraw("2014-04-16", {5, 12, 19, 27, 33, 41}, 0, 4, 8, {1, 2, 3, 4, 5, 6}),
};

// `quorix-cli serve` on the server's history, on a port of its own.
class LocalServer {
public:
    explicit LocalServer(const QStringList &options = {}) {
        const QString draws = m_dir.filePath(u"server.dat"_s);
        if (!DrawFile(draws.toStdString()).rewrite(kServerHistory)) return;
        m_process.setProgram(QString::fromLatin1(QUORIX_CLI));
        m_process.setArguments(QStringList{u"serve"_s, u"--draws"_s, draws, u"--port"_s, u"0"_s} + options);
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start();
        if (!m_process.waitForStarted() || !m_process.waitForReadyRead()) return;
        const QByteArray line = m_process.readLine();
        m_port = line.mid(line.indexOf("\"port\":") + 7).trimmed().chopped(1).toInt();
    }
    ~LocalServer() {
        m_process.terminate();
        m_process.waitForFinished();
    }
    int port() const { return m_port; }
    QString address() const { return u"http://127.0.0.1:%1/"_s.arg(m_port); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

// A started window whose history ends on 05.04.2014, asking the given server up to `today`.
struct Session {
    explicit Session(const QString &server, const char *today = "2014-04-17") {
        home.writeDraws({kServerHistory[0], kServerHistory[1]});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.ui().server->setText(server);
        window.setToday([day = *parseIsoDate(today)] { return day; });
        window.showPage(LottoZahlen::Page::Database);
    }
    std::vector<Draw> draws() const { return *window.drawFile().readAll(); }
    void clickUpdate() { QTest::mouseClick(window.ui().update, Qt::LeftButton); }
    void verifyIdle() {
        QVERIFY(!window.drawUpdate().isRunning());
        QVERIFY(window.ui().update->isEnabled());
        QVERIFY(window.ui().sheetUpdate->isEnabled());
        QVERIFY(window.action(u"Aktualisieren1"_s)->isEnabled());
        QVERIFY(window.ui().stopUpdate->isHidden());
    }
    QString status(int panel) { return window.statusPanel(panel)->text(); }

    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
};

} // namespace

class UpdateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bringsTheHistoryUpToDate();
    void menuKeyAndDrawPanelStartIt();
    void stopEndsBetweenRequests();
    void stopCutsARequestShort();
    void failuresEndItKeepingWhatCameBefore();
    void statusesAreShownAndTheUpdateGoesOn();
    void proxyFieldsAreUsed();
    void hostileAnswersAddNothingAndSayWhy();
    void scriptDownloadIsBounded();
};

void UpdateTest::bringsTheHistoryUpToDate() {
    LocalServer server;
    QVERIFY(server.port() > 0);
    Session s(server.address());
    bool busyWhileAppending = false;
    connect(&s.window.drawUpdate(), &DrawUpdater::drawAppended, this, [&s, &busyWhileAppending] {
        const LottoZahlen::Controls &ui = s.window.ui();
        busyWhileAppending =
            !ui.update->isEnabled() && !ui.sheetUpdate->isEnabled() && ui.stopUpdate->isVisible();
    });
    s.clickUpdate();
    QVERIFY(busyWhileAppending);
    s.verifyIdle();
    QCOMPARE(s.draws(), kServerHistory);
    QVERIFY(s.prompts.asked().empty());
    // The newest draw is current and shown; the end date went back to it.
    QCOMPARE(s.window.currentIndex(), 4);
    QVERIFY2(s.window.ui().drawLine->text().contains(u"16.04.14"_s),
             qPrintable(s.window.ui().drawLine->text()));
    QCOMPARE(s.window.ui().sheetDrawLine->text(), s.window.ui().drawLine->text());
    QCOMPARE(s.window.ui().endDate->date(), QDate(2014, 4, 16));
    QCOMPARE(s.status(0), u"Received 41 bytes"_s);
    QCOMPARE(s.status(1), u"Keine Gewähr für die Richtigkeit der Zahlen!"_s);
}

void UpdateTest::menuKeyAndDrawPanelStartIt() {
    LocalServer server;
    Session s(server.address(), "2014-04-10");
    // Pressed in a tip field, Ctrl+A is the menu's, not the field's "select all".
    s.window.activateWindow();
    QLineEdit *field = s.window.sheet().tipField(0, 0);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(s.draws().size(), 3u);
    s.window.setToday([] { return *parseIsoDate("2014-04-17"); });
    s.window.showPage(LottoZahlen::Page::TipSheet);
    QTest::mouseClick(s.window.ui().sheetUpdate, Qt::LeftButton);
    QCOMPARE(s.draws(), kServerHistory);
    s.verifyIdle();
}

void UpdateTest::stopEndsBetweenRequests() {
    LocalServer server;
    Session s(server.address());
    QString shownWhenStopped;
    connect(&s.window.drawUpdate(), &DrawUpdater::drawAppended, this, [&s, &shownWhenStopped] {
        shownWhenStopped = s.window.ui().drawLine->text();
        QTest::mouseClick(s.window.ui().stopUpdate, Qt::LeftButton);
    });
    s.clickUpdate();
    s.verifyIdle();
    QCOMPARE(s.draws().size(), 3u);
    QCOMPARE(s.draws().back(), kServerHistory[2]);
    QVERIFY(s.prompts.asked().empty());
    // While appending, the draw line shows the draw as the server sent it: three blanks after the date.
    QVERIFY2(shownWhenStopped.endsWith(u"09.04.14     3  11  17  25  33  40     G:5   R:7"_s),
             qPrintable(shownWhenStopped));
    QCOMPARE(s.window.currentIndex(), 2);
}

void UpdateTest::stopCutsARequestShort() {
    // The server takes its time: the window keeps working, and the stop button ends the request.
    LocalServer server({u"--delay-ms"_s, u"20000"_s});
    Session s(server.address());
    bool stoppedWhileRunning = false;
    QTimer::singleShot(200, this, [&s, &stoppedWhileRunning] {
        stoppedWhileRunning = s.window.drawUpdate().isRunning();
        QTest::mouseClick(s.window.ui().stopUpdate, Qt::LeftButton);
    });
    s.clickUpdate();
    QVERIFY(stoppedWhileRunning);
    s.verifyIdle();
    QCOMPARE(s.draws().size(), 2u);
    QVERIFY(s.prompts.asked().empty());
}

void UpdateTest::failuresEndItKeepingWhatCameBefore() {
    {
        // A notice after the draw of 12.04.: that draw stays, 16.04. is not asked for.
        LocalServer server({u"--notice"_s, u"2014-04-12=Die Ziehung vom 16.04. wird noch geprüft"_s});
        Session s(server.address());
        s.clickUpdate();
        s.verifyIdle();
        QCOMPARE(s.draws().size(), 4u);
        QCOMPARE(s.prompts.asked().size(), 1u);
        QCOMPARE(s.prompts.asked()[0].text, u"Die Ziehung vom 16.04. wird noch geprüft"_s);
        QCOMPARE(s.window.currentIndex(), 3);
    }
    {
        LocalServer server({u"--delay-ms"_s, u"20000"_s});
        Session s(server.address());
        s.window.drawUpdate().setRequestTimeout(300);
        s.clickUpdate();
        s.verifyIdle();
        QCOMPARE(s.draws().size(), 2u);
        QCOMPARE(s.prompts.asked().size(), 1u);
        QVERIFY2(
            s.prompts.asked()[0].text.startsWith(u"Der Zahlen-Server hat nicht rechtzeitig geantwortet: "_s),
            qPrintable(s.prompts.asked()[0].text));
    }
    {
        LocalServer server;
        Session s(server.address());
        s.window.ui().proxyHost->setText(u"127.0.0.1"_s);
        s.window.ui().proxyPort->setText(u"80a"_s);
        s.clickUpdate();
        s.verifyIdle();
        QCOMPARE(s.draws().size(), 2u);
        QCOMPARE(s.prompts.asked().size(), 1u);
        QCOMPARE(s.prompts.asked()[0].text, u"Der Proxy-Port ist keine Zahl: 80a"_s);
    }
}

void UpdateTest::statusesAreShownAndTheUpdateGoesOn() {
    LocalServer server({u"--status-for"_s, u"2014-04-09=404"_s});
    Session s(server.address(), "2014-04-19");
    QStringList progress;
    connect(&s.window.drawUpdate(), &DrawUpdater::drawAppended, this,
            [&s, &progress] { progress << s.status(0); });
    s.clickUpdate();
    s.verifyIdle();
    // 09.04. failed with 404, 12.04. and 16.04. came, 19.04. is not there yet.
    QCOMPARE(s.draws().size(), 4u);
    QCOMPARE(s.draws()[2], kServerHistory[3]);
    QCOMPARE(s.status(0), u"19.04.2014 noch nicht da!"_s);
    QVERIFY(s.prompts.asked().empty());
}

void UpdateTest::proxyFieldsAreUsed() {
    // The server's name cannot be resolved: only the proxy, the local server, can answer.
    LocalServer server;
    Session s(u"http://zahlen.invalid/"_s, "2014-04-10");
    s.window.ui().proxyHost->setText(u"127.0.0.1"_s);
    s.window.ui().proxyPort->setText(QString::number(server.port()));
    s.clickUpdate();
    QVERIFY(s.prompts.asked().empty());
    QCOMPARE(s.draws().size(), 3u);
}

namespace {

const std::string kOk = "HTTP/1.1 200 OK\r\n";
const std::string kLine = "A,3,12,19,27,33,41,0,4,8;047119;\r\n";

std::string validLines(std::size_t bytes) {
    std::string lines;
    while (lines.size() < bytes)
        lines += kLine;
    return lines;
}

// An endless chunked body of valid lines.
RawServer::Answer endlessChunks() {
    const std::string chunk = validLines(4000);
    return endlessAnswer(kOk + "Transfer-Encoding: chunked\r\n\r\n",
                         QByteArray::number(qsizetype(chunk.size()), 16).toStdString() + "\r\n" + chunk +
                             "\r\n");
}

} // namespace

void UpdateTest::hostileAnswersAddNothingAndSayWhy() {
    const QString refused =
        u"Die Antwort des Zahlen-Servers wurde nicht übernommen, sie ist keine gültige Ziehung: "_s;
    const QString tooLarge = u"Die Antwort des Zahlen-Servers ist grösser als 64 KiB und wurde verworfen: "_s;
    const struct {
        const char *name;
        RawServer::Answer answer;
        QString message; // the start of the box's text
        bool late = false;
    } cases[] = {
        {"every value out of range", plainAnswer(kOk, "A,0,43,99,255,7,7,46,9,200;12345x;\r\n"),
         refused + u"09.04.2014: number 0 is outside 1..42 (6 from 42 with lucky number)"_s},
        {"date tag of another day", plainAnswer(kOk, "20991231,3,12,19,27,33,41,0,4,8;047119;\r\n"),
         refused + u"09.04.2014: the draw is dated 20991231, not the day asked for"_s},
        {"three equal lines", plainAnswer(kOk, kLine + kLine + kLine),
         refused + u"09.04.2014: more than one draw"_s},
        {"10 MB of valid lines", plainAnswer(kOk, validLines(std::size_t{10} << 20)), tooLarge},
        {"endless chunked body", endlessChunks(), tooLarge},
        {"a byte at a time", endlessAnswer(kOk + "Content-Length: 1000\r\n\r\n", "A", 50ms),
         u"Der Zahlen-Server hat nicht rechtzeitig geantwortet: "_s, true},
        {"redirect", plainAnswer("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1:1/elsewhere\r\n", "moved"),
         u"Der Zahlen-Server leitet weiter; der Weiterleitung wird nicht gefolgt: http://127.0.0.1:1/elsewhere"_s},
        // Qt 6.4 reads headers without a limit of its own: the deadline ends them.
        {"endless headers", endlessAnswer(kOk, "X-Filler: " + std::string(4000, 'a') + "\r\n"),
         u"Der Zahlen-Server hat nicht rechtzeitig geantwortet: "_s, true},
    };
    for (const auto &c : cases) {
        RawServer server(c.answer);
        Session s(QString::fromStdString(server.address()));
        // Only the slow servers are meant to meet the deadline; the others get time to spare.
        s.window.drawUpdate().setRequestTimeout(c.late ? 300 : 30000);
        s.clickUpdate();
        s.verifyIdle();
        QVERIFY2(s.draws() == (std::vector<Draw>{kServerHistory[0], kServerHistory[1]}), c.name);
        QVERIFY2(s.prompts.asked().size() == 1u, c.name);
        const QString shown = s.prompts.asked()[0].text;
        QVERIFY2(shown.startsWith(c.message), qPrintable(QString::fromLatin1(c.name) + u": "_s + shown));
        QCOMPARE(s.window.currentIndex(), 1);
    }
}

void UpdateTest::scriptDownloadIsBounded() {
    const struct {
        const char *name;
        RawServer::Answer answer;
        bool ok;
    } cases[] = {
        {"a script", plainAnswer(kOk, "script\r\n"), true},
        {"endless chunked body", endlessChunks(), false},
        {"a byte at a time", endlessAnswer(kOk + "Content-Length: 1000\r\n\r\n", "A", 50ms), false},
        {"redirect", plainAnswer("HTTP/1.1 301 Moved\r\nLocation: http://127.0.0.1:1/x\r\n", "moved"), false},
    };
    for (const auto &c : cases) {
        RawServer server(c.answer);
        const ScriptDownload download =
            ScriptUpdate::fetch(QUrl(QString::fromStdString(server.address() + "scripts/a.zqs.txt")),
                                std::string_view(c.name) == "a byte at a time" ? 300 : 30000);
        QVERIFY2(download.ok == c.ok, c.name);
    }
}

QTEST_MAIN(UpdateTest)
#include "update_test.moc"
