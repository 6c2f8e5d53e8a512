// The hand-over of the tips to the browser-automation program: the script choice, the filled
// script, the program's arguments, its settings file, the install offer and the script update.
// The filling rules themselves are tested in output.
#include <filesystem>
#include <functional>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolButton>
#include <QtTest>

#include "app/online/automationsettings.h"
#include "app/mainwindow/mainwindow.h"
#include "app/online/scriptchoicedialog.h"
#include "app/widgets/uihelpers.h"
#include "app/online/onlinehandover.h"
#include "appfixture.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

const std::vector<Draw> kHistory = {
    makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41}),
    makeDraw("2024-03-06", {5, 6, 18, 27, 35, 42}),
};

// What a player may type as the portal password: blanks, both quotes, a shell's specials.
const QString kPassword = uR"(pa ss "wo rt" 'x' $HOME `id` \ ; *)"_s;

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Only its owner may read or write the file (the password is in it).
bool isPrivate(const QString &path) {
    namespace fs = std::filesystem;
    return fs::status(path.toStdString()).permissions() == (fs::perms::owner_read | fs::perms::owner_write);
}

QJsonObject readJson(const QString &path) {
    return QJsonDocument::fromJson(readFile(path)).object();
}

// Runs `act` on the dialog once its modal loop runs; a dialog that never shows is left alone.
void whenShown(ScriptChoiceDialog &dialog, std::function<void(ScriptChoiceDialog &)> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act = std::move(act)] {
        if (dialog.isVisible()) act(dialog);
    });
}

// A web server of one canned answer on the loopback address, recording the requests it got.
class CannedServer {
public:
    CannedServer() {
        if (!m_server.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen");
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_request += socket->readAll();
                if (!m_request.contains("\r\n\r\n")) return;
                socket->write(m_answer);
                socket->disconnectFromHost();
            });
        });
    }
    QString base() const { return u"http://127.0.0.1:%1/site"_s.arg(m_server.serverPort()); }
    void answer(int status, const QByteArray &body, const QDateTime &lastModified) {
        m_answer = "HTTP/1.1 " + QByteArray::number(status) +
                   " X\r\nConnection: close\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
        if (lastModified.isValid())
            m_answer +=
                "Last-Modified: " +
                QLocale::c().toString(lastModified.toUTC(), u"ddd, dd MMM yyyy hh:mm:ss 'GMT'"_s).toLatin1() +
                "\r\n";
        m_answer += "\r\n" + body;
        m_request.clear();
    }
    const QByteArray &request() const { return m_request; }

private:
    QTcpServer m_server;
    QByteArray m_answer;
    QByteArray m_request;
};

} // namespace

class ClickScriptTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void handsTheTipsToTheAutomationProgram();
    void secondRunOfTheDayReplacesTheScript();
    void offersTheInstallationWhenTheProgramIsMissing();
    void fileErrorsStartNothing();
    void overlongCommandIsRefused();
    void dialogListsTheScriptFolder();
    void scriptUpdateReplacesOnlyAnOlderLocalScript();

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<PromptScript> m_prompts;
    std::unique_ptr<LottoZahlen> m_window;
    QTemporaryDir m_program; // where the automation program is installed
    QStringList m_fetched;
    QList<QUrl> m_opened;

    QString home(const QString &name) const { return QDir(m_home->path()).filePath(name); }
    QString settingsFile() const { return home(u"config/Sorvani/Navitron.json"_s); }
    QString filledScript() const { return home(u"Tipps/20260819.zqs"_s); }
    QString recorded() const { return QDir(m_program.path()).filePath(u"args.txt"_s); }

    // The automation program: a shell script that writes its arguments one a line.
    void installRecorder() {
        const QString program = QDir(m_program.path()).filePath(u"navirun"_s);
        writeFile(
            program,
            "#!/bin/sh\nout=\"$(dirname \"$0\")/args.txt\"\n"
            "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\" && mv \"$out.tmp\" \"$out\"\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void storeProgramFolder(const QString &folder) {
        QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
        writeFile(settingsFile(), "{\"Path\": \"" + folder.toUtf8() + "\"}\n");
    }
    LottoZahlen &start() {
        m_home->writeDraws(kHistory);
        m_window = std::make_unique<LottoZahlen>();
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get())) qFatal("window not exposed");
        m_window->setToday([] { return serialFromYmd(2026, 8, 19); });
        OnlineHandover &online = m_window->online();
        online.setAddressOpener([this](const QUrl &address) { m_opened << address; });
        // No test asks the real web site.
        online.setFetcher([this](const QUrl &url) {
            m_fetched << url.toString();
            return ScriptDownload{};
        });
        return *m_window;
    }
    void fillSheet(LottoZahlen &window) {
        const QStringList first{u"5"_s, u"11"_s, u"19"_s, u"23"_s, u"30"_s, u"41"_s};
        for (int c = 0; c < 6; ++c)
            window.sheet().tipField(0, c)->setText(first.at(c));
        window.sheet().luckyBox(0)->setCurrentText(u"3"_s);
        window.sheet().tipField(9, 0)->setText(u"17"_s);
    }
    void click(const char *name) {
        QTest::mouseClick(m_window->control(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QString script(const char *name, const QByteArray &bytes) {
        QDir().mkpath(home(u"Script"_s));
        QString path = home(u"Script/"_s + QString::fromLatin1(name));
        writeFile(path, bytes);
        return path;
    }
};

void ClickScriptTest::init() {
    m_home = std::make_unique<TempHome>();
    m_prompts = std::make_unique<PromptScript>();
    m_fetched.clear();
    m_opened.clear();
    QFile::remove(recorded());
}

void ClickScriptTest::cleanup() {
    m_window.reset();
    m_prompts.reset();
    m_home.reset();
}

void ClickScriptTest::handsTheTipsToTheAutomationProgram() {
    installRecorder();
    storeProgramFolder(m_program.path());
    const QString chosen = script("SwissLotto.zqs", "Tipp [Z1_1] [Z1_10] [PLUS1] [Z1_2].\r\n"
                                                    "[SA] [MI] [MISA] [JOKER1] [JOKER2] [JOKER3]\r\n");
    QDir().mkpath(home(u"Tipps"_s));
    LottoZahlen &window = start();
    fillSheet(window);
    window.ticketDays().saturday = true;
    window.jokerNumbers().tickets[1].enabled = true;

    whenShown(window.online().dialog(), [](ScriptChoiceDialog &dialog) {
        // The only script is proposed; ZAHL1 is left empty.
        QCOMPARE(dialog.scriptBox()->count(), 1);
        dialog.text1Field()->setText(u"spieler eins"_s);
        dialog.zahl2Field()->setText(u"7"_s);
        dialog.text2Field()->setText(kPassword);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    click("OnlineTipp");

    QCOMPARE(readFile(filledScript()), QByteArray("Tipp 5 17 3 .\r\nJA NEIN NEIN NEIN JA NEIN\r\n"));
    QTRY_VERIFY(QFileInfo::exists(recorded()));
    const QStringList arguments = QString::fromUtf8(readFile(recorded())).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(arguments,
             (QStringList{u"START"_s, filledScript(), u"0"_s, u"spieler eins"_s, u"7"_s, kPassword}));
    QVERIFY(m_prompts->asked().empty());
    QCOMPARE(m_fetched, QStringList{QString::fromLatin1(OnlineHandover::kDefaultScriptSite) +
                                    u"/scripts/SwissLotto.zqs.txt"_s});

    // The choice is kept for the next time, privately, and the installation's folder untouched.
    const QJsonObject stored = readJson(settingsFile());
    QCOMPARE(stored.value(u"Path"_s).toString(), m_program.path());
    QCOMPARE(stored.value(u"SwissLottoScript"_s).toString(), chosen);
    QCOMPARE(stored.value(u"SwissLottoZahl1"_s).toString(), u"0"_s);
    QCOMPARE(stored.value(u"SwissLottoText1"_s).toString(), u"spieler eins"_s);
    QCOMPARE(stored.value(u"SwissLottoZahl2"_s).toString(), u"7"_s);
    QCOMPARE(stored.value(u"SwissLottoText2"_s).toString(), kPassword);
    QVERIFY(isPrivate(settingsFile()));
    const AutomationSettings back = AutomationSettings::load(settingsFile());
    QCOMPARE(back.text2, kPassword);
    QCOMPARE(back.folder, m_program.path());

    // Cancel stores nothing, starts nothing; the dialog came back with the stored values.
    QFile::remove(recorded());
    whenShown(window.online().dialog(), [](ScriptChoiceDialog &dialog) {
        QCOMPARE(dialog.text2Field()->text(), kPassword);
        dialog.text2Field()->setText(u"other"_s);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    click("OnlineTipp");
    QCOMPARE(AutomationSettings::load(settingsFile()).text2, kPassword);
    QVERIFY(!QFileInfo::exists(recorded()));
}

void ClickScriptTest::secondRunOfTheDayReplacesTheScript() {
    installRecorder();
    storeProgramFolder(m_program.path());
    script("a.zqs", "[Z1_1]|[PLUS1]|[MISA]\n");
    QDir().mkpath(home(u"Tipps"_s));
    LottoZahlen &window = start();
    QStringList started;
    window.online().setStarter([&](const QString &program, const QStringList &arguments) {
        started << program + u' ' + arguments.join(u'|');
        return false; // a program that does not start is not reported
    });
    const auto run = [&] {
        whenShown(window.online().dialog(),
                  [](ScriptChoiceDialog &d) { QTest::mouseClick(d.okButton(), Qt::LeftButton); });
        window.online().handOver();
    };
    // Before the print settings were ever opened, no day is ticked; empty rows give "" and "-".
    run();
    QCOMPARE(readFile(filledScript()), QByteArray("|-|NEIN\r\n"));
    fillSheet(window);
    window.ticketDays() = {true, true};
    run();
    QCOMPARE(readFile(filledScript()), QByteArray("5|3|JA\r\n"));
    QCOMPARE(started.size(), 2);
    QCOMPARE(started.last(),
             QDir(m_program.path()).filePath(u"navirun"_s) + u" START|"_s + filledScript() + u"|0||0|"_s);
    QVERIFY(m_prompts->asked().empty());
}

void ClickScriptTest::offersTheInstallationWhenTheProgramIsMissing() {
    LottoZahlen &window = start();
    const QString caption = window.message(Msg::KlickwerkInstallCaption);
    const QString question = window.message(Msg::KlickwerkInstallQuestion);
    QCOMPARE(caption, u"Klickwerk jetzt installieren?"_s);
    QCOMPARE(question, u"Sorvanis Klickwerk installieren?"_s);
    bool started = false;
    window.online().setStarter([&](const QString &, const QStringList &) { return started = true; });

    // Nothing stored at all: the settings file is made, private, and the offer answered with No.
    QVERIFY(!QFileInfo::exists(settingsFile()));
    click("OnlineTipp");
    QVERIFY(QFileInfo::exists(settingsFile()));
    QVERIFY(isPrivate(settingsFile()));
    QCOMPARE(m_prompts->asked().size(), std::size_t{1});
    QVERIFY(m_prompts->asked().back().kind == Prompts::Kind::YesNo);
    QCOMPARE(m_prompts->asked().back().caption, caption);
    QCOMPARE(m_prompts->asked().back().text, question);
    QVERIFY(m_opened.isEmpty());

    // A folder without the program, and a relative one: Yes opens the installer's address.
    const QTemporaryDir empty;
    for (const QString &folder : {empty.path(), u"relative"_s}) {
        storeProgramFolder(folder);
        m_prompts->answer(true);
        click("OnlineTipp");
    }
    QCOMPARE(m_opened, (QList<QUrl>{QUrl(u"https://www.sorvani.example/dateien/navirunp.exe"_s),
                                    QUrl(u"https://www.sorvani.example/dateien/navirunp.exe"_s)}));

    QVERIFY(!started);

    // The maker's address comes from the program's settings when they name one.
    m_window.reset();
    QJsonObject quorix = readJson(m_home->settingsFile());
    quorix.insert(u"KlickwerkServer"_s, u"http://127.0.0.1:9/mirror/"_s);
    writeFile(m_home->settingsFile(), QJsonDocument(quorix).toJson());
    m_prompts->answer(true);
    start().online().handOver();
    QCOMPARE(m_opened.last(), QUrl(u"http://127.0.0.1:9/mirror/dateien/navirunp.exe"_s));
}

void ClickScriptTest::fileErrorsStartNothing() {
    installRecorder();
    storeProgramFolder(m_program.path());
    LottoZahlen &window = start();
    int started = 0;
    window.online().setStarter([&](const QString &, const QStringList &) { return ++started, true; });
    struct Case {
        const char *what;
        std::function<void(ScriptChoiceDialog &)> choose;
        QString mentions;
    };
    const QString good = script("good.zqs", "[Z1_1]\n");
    const QString unencodable = script("arrow.zqs", "weiter \xE2\x86\x92\n");
    const Case cases[] = {
        // No "Tipps" folder: it is not made, the file error is shown.
        {"no Tipps folder", [&](ScriptChoiceDialog &d) { d.scriptBox()->setEditText(good); }, u"Tipps"_s},
        {"empty script path", [](ScriptChoiceDialog &d) { d.scriptBox()->setEditText(QString()); },
         QString()},
        {"missing script",
         [&](ScriptChoiceDialog &d) { d.scriptBox()->setEditText(home(u"Script/gone.zqs"_s)); },
         u"gone.zqs"_s},
        {"script is a folder", [&](ScriptChoiceDialog &d) { d.scriptBox()->setEditText(home(u"Script"_s)); },
         u"Script"_s},
        {"character without a byte", [&](ScriptChoiceDialog &d) { d.scriptBox()->setEditText(unencodable); },
         u"U+2192"_s},
    };
    for (const Case &c : cases) {
        if (QByteArray(c.what) != "no Tipps folder") QDir().mkpath(home(u"Tipps"_s));
        whenShown(window.online().dialog(), [&c](ScriptChoiceDialog &d) {
            c.choose(d);
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
        });
        const std::size_t asked = m_prompts->asked().size();
        window.online().handOver();
        QVERIFY2(m_prompts->asked().size() == asked + 1, c.what);
        QVERIFY2(m_prompts->asked().back().text.contains(c.mentions),
                 qPrintable(m_prompts->asked().back().text));
        QVERIFY2(!QFileInfo::exists(filledScript()), c.what);
        if (QByteArray(c.what) == "no Tipps folder") QVERIFY(!QFileInfo::exists(home(u"Tipps"_s)));
    }
    QCOMPARE(started, 0);
    // The values were stored all the same.
    QCOMPARE(AutomationSettings::load(settingsFile()).script, unencodable);
}

void ClickScriptTest::overlongCommandIsRefused() {
    installRecorder();
    storeProgramFolder(m_program.path());
    const QString chosen = script("a.zqs", "x\n");
    QDir().mkpath(home(u"Tipps"_s));
    LottoZahlen &window = start();
    int started = 0;
    window.online().setStarter([&](const QString &, const QStringList &) { return ++started, true; });
    whenShown(window.online().dialog(), [](ScriptChoiceDialog &d) {
        d.text2Field()->setText(QString(1024, u'p'));
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    });
    window.online().handOver();
    QCOMPARE(m_prompts->asked().size(), std::size_t{1});
    QCOMPARE(m_prompts->asked().back().text, window.message(Msg::KlickwerkCommandTooLong));
    QVERIFY(!QFileInfo::exists(filledScript()));
    QCOMPARE(started, 0);
}

void ClickScriptTest::dialogListsTheScriptFolder() {
    ScriptChoiceDialog dialog;
    QTemporaryDir folder;
    for (const char *name : {"b.zqs", "a.zqs", "c.ZQS", "note.txt", ".hidden.zqs"})
        writeFile(QDir(folder.path()).filePath(QString::fromLatin1(name)), "x");
    QDir(folder.path()).mkdir(u"d.zqs"_s); // folders are skipped
    dialog.setScriptFolder(folder.path());
    const auto path = [&](const char *name) {
        return QDir(folder.path()).filePath(QString::fromLatin1(name));
    };
    QStringList chooserStarts;
    dialog.setFileChooser([&](const QString &start) {
        chooserStarts << start;
        return u"/elsewhere/mine.zqs"_s;
    });

    // Nothing chosen yet: the last script listed is proposed. Empty ZAHLs become "0" on closing,
    // also with Cancel.
    dialog.setValues({QString(), QString(), u"t1"_s, u" "_s, u"t2"_s});
    whenShown(dialog, [](ScriptChoiceDialog &d) { QTest::mouseClick(d.cancelButton(), Qt::LeftButton); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QStringList listed;
    for (int i = 0; i < dialog.scriptBox()->count(); ++i)
        listed << dialog.scriptBox()->itemText(i);
    QCOMPARE(listed, (QStringList{path(".hidden.zqs"), path("a.zqs"), path("b.zqs"), path("c.ZQS")}));
    QCOMPARE(dialog.values().script, path("c.ZQS"));
    QCOMPARE(dialog.values().zahl1, u"0"_s);
    QCOMPARE(dialog.values().zahl2, u" "_s); // a blank is a value

    // A chosen script stays chosen, also one outside the folder; the browse button starts there.
    whenShown(dialog, [](ScriptChoiceDialog &d) {
        QTest::mouseClick(d.browseButton(), Qt::LeftButton);
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(chooserStarts, QStringList{folder.path()});
    QCOMPARE(dialog.values().script, u"/elsewhere/mine.zqs"_s);
    whenShown(dialog, [](ScriptChoiceDialog &d) { QTest::mouseClick(d.okButton(), Qt::LeftButton); });
    dialog.exec();
    QCOMPARE(dialog.values().script, u"/elsewhere/mine.zqs"_s);
}

void ClickScriptTest::scriptUpdateReplacesOnlyAnOlderLocalScript() {
    CannedServer server;
    QTemporaryDir folder;
    const QString local = QDir(folder.path()).filePath(u"Swiss Lotto#1.zqs"_s);
    const QDateTime localTime = QDateTime(QDate(2026, 8, 1), QTime(12, 0), Qt::UTC);
    QByteArray newer("new\r\n");
    newer.append('\0').append("\xFF script"); // byte for byte, whatever the bytes
    const auto setLocal = [&](const QByteArray &bytes) {
        writeFile(local, bytes);
        QFile file(local);
        if (!file.open(QIODevice::ReadWrite) ||
            !file.setFileTime(localTime, QFileDevice::FileModificationTime))
            qFatal("cannot date the local script");
    };
    const ScriptFetcher fetch = [](const QUrl &url) { return ScriptUpdate::fetch(url, 5000); };
    struct Case {
        const char *what;
        int status;
        QDateTime lastModified;
        bool replaced;
    };
    const Case cases[] = {
        {"newer", 200, localTime.addSecs(60), true},
        {"older", 200, localTime.addSecs(-60), false},
        {"same time", 200, localTime, false},
        {"no Last-Modified", 200, QDateTime(), false},
        {"not found", 404, localTime.addSecs(60), false},
    };
    for (const Case &c : cases) {
        setLocal("old\r\n");
        server.answer(c.status, newer, c.lastModified);
        QCOMPARE(ScriptUpdate::run(local, server.base(), fetch), c.replaced);
        QCOMPARE(readFile(local), c.replaced ? newer : QByteArray("old\r\n"));
        // The file name is one path segment of the address, with the headers the site expects.
        QVERIFY2(server.request().startsWith("GET /site/scripts/Swiss%20Lotto%231.zqs.txt HTTP/1.1\r\n"),
                 server.request().constData());
        QVERIFY(server.request().contains("\r\nAccept: text/html, */*\r\n"));
        QVERIFY(server.request().contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));
    }

    // A script that does not exist here is never made, and the site is not even asked.
    server.answer(200, newer, localTime.addSecs(60));
    const QString missing = QDir(folder.path()).filePath(u"missing.zqs"_s);
    QVERIFY(!ScriptUpdate::run(missing, server.base(), fetch));
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(server.request().isEmpty());

    // An unreachable site changes nothing; nor does an empty answer.
    setLocal("old\r\n");
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString unreachable = u"http://127.0.0.1:%1"_s.arg(closed.serverPort());
    closed.close();
    QVERIFY(!ScriptUpdate::run(local, unreachable, fetch));
    server.answer(200, QByteArray(), localTime.addSecs(60));
    QVERIFY(!ScriptUpdate::run(local, server.base(), fetch));
    QCOMPARE(readFile(local), QByteArray("old\r\n"));

    // Through the dialog's OK, with its own fetcher: the update runs before it closes.
    ScriptChoiceDialog dialog;
    dialog.setUpdateBase(server.base());
    dialog.setFetcher(fetch);
    dialog.setValues({local, u"1"_s, {}, u"2"_s, {}});
    server.answer(200, newer, localTime.addSecs(3600));
    whenShown(dialog, [](ScriptChoiceDialog &d) { QTest::mouseClick(d.okButton(), Qt::LeftButton); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(readFile(local), newer);
}

QTEST_MAIN(ClickScriptTest)
#include "clickscript_test.moc"
