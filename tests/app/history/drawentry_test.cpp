// The history by hand in the real main window: the draw entry dialog, deleting the shown draw
// and the CSV import with its report. The placement rules themselves are tested in core.
#include <QAbstractButton>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "app/widgets/dateedit.h"
#include "app/history/drawentrydialog.h"
#include "app/mainwindow/mainwindow.h"
#include "app/widgets/numberdialog.h"
#include "app/charts/chartspanel.h"
#include "app/widgets/uihelpers.h"
#include "appfixture.h"
#include "core/history/drawfile.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

// Saturday, Wednesday, Saturday, Wednesday.
std::vector<Draw> fourDraws() {
    return {makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41}, 0, 4, 7, {1, 2, 3, 4, 5, 6}),
            makeDraw("2024-03-06", {5, 6, 18, 27, 35, 42}, 0, 2, 3, {0, 9, 8, 7, 6, 5}),
            makeDraw("2024-03-09", {2, 11, 19, 24, 33, 38}, 0, 6, 1, {4, 4, 0, 1, 2, 3}),
            makeDraw("2024-03-13", {3, 11, 17, 25, 33, 40}, 0, 1, 9, {7, 0, 0, 2, 5, 1})};
}

// The same with Wednesday 28.05.1986, Saturday 31.05.1986 and Wednesday 04.06.1986 in front.
std::vector<Draw> withEarlyDraws() {
    std::vector<Draw> draws = {makeDraw("1986-05-28", {1, 2, 3, 4, 5, 6}, 7),
                               makeDraw("1986-05-31", {7, 8, 9, 10, 11, 12}, 13),
                               makeDraw("1986-06-04", {13, 14, 15, 16, 17, 18}, 19)};
    for (const Draw &d : fourDraws())
        draws.push_back(d);
    return draws;
}

std::vector<Draw> readDraws(const TempHome &home) {
    const Result<std::vector<Draw>> draws = DrawFile::inFolder(home.path().toStdString()).readAll();
    if (!draws) qFatal("cannot read the draw file");
    return *draws;
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString drawFilePath(const TempHome &home) {
    return QDir(home.path()).filePath(QString::fromLatin1(DrawFile::kFileName));
}

// True when this process holds the file open.
bool heldOpen(const QString &path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(u"/proc/self/fd"_s);
    for (const QFileInfo &fd : fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget() == target) return true;
    return false;
}

void writeText(const QString &path, const QByteArray &text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write the fixture");
    file.write(text);
}

// Types a draw into the dialog field by field, the numbers in the order given.
void typeDraw(DrawEntryDialog &dialog, const Draw &draw) {
    dialog.dateEdit()->setDate(dateFromSerial(draw.date));
    for (int i = 0; i < 6; ++i)
        dialog.numberSpin(i)->setValue(draw.numbers[static_cast<std::size_t>(i)]);
    dialog.bonusSpin()->setValue(draw.bonus);
    dialog.luckySpin()->setValue(draw.lucky);
    dialog.replaySpin()->setValue(draw.replay);
    for (int i = 0; i < 6; ++i)
        dialog.jokerField(i)->setText(QString::number(draw.joker[static_cast<std::size_t>(i)]));
}

// The main window on a program folder holding these draws, its boxes answered by a script.
struct Session {
    TempHome home;
    PromptScript prompts;
    std::unique_ptr<LottoZahlen> window;

    explicit Session(const std::vector<Draw> &draws) {
        home.writeDraws(draws);
        window = std::make_unique<LottoZahlen>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) qFatal("window not exposed");
    }
    // Selects the draw of this date as the evaluation button does.
    void show(const char *isoDate) {
        window->control<QDateEdit>(u"DateTimePicker1"_s)->setDate(dateFromSerial(*parseIsoDate(isoDate)));
        window->SpeedButton5Click();
    }
    // Clicks "Eingeben"; the dialog, once open, gets `fill` and is closed with OK or Abbrechen.
    void enter(const std::function<void(DrawEntryDialog &)> &fill, bool ok = true) {
        DrawEntryDialog &dialog = window->drawEntryDialog();
        bool opened = false;
        QTimer::singleShot(0, &dialog, [&] {
            opened = dialog.isVisible();
            fill(dialog);
            (ok ? dialog.okButton() : dialog.abortButton())->click();
        });
        QTest::mouseClick(window->control(u"BitBtn8"_s), Qt::LeftButton);
        if (!opened) qFatal("the entry dialog did not open");
    }
    QString currentDate() const { return QString::fromStdString(formatIso(window->currentDraw().date)); }
    std::vector<Draw> draws() const { return readDraws(home); }
};

struct EntryCase {
    const char *name;
    std::vector<Draw> history;
    const char *shown; // the draw shown before the entry; nullptr: the newest after start-up
    Draw typed;
    std::vector<Draw> expected;
    const char *currentAfter;
};

std::vector<Draw> replaced(std::vector<Draw> draws, std::size_t index, const Draw &by) {
    draws[index] = by;
    return draws;
}

std::vector<Draw> inserted(std::vector<Draw> draws, std::size_t index, const Draw &draw) {
    draws.insert(draws.begin() + static_cast<std::ptrdiff_t>(index), draw);
    return draws;
}

std::vector<Draw> withoutFirst(std::vector<Draw> draws) {
    draws.erase(draws.begin());
    return draws;
}

// Typed as 40 3 25 12 17 8, stored sorted.
Draw typedOn(const char *isoDate) {
    return makeDraw(isoDate, {40, 3, 25, 12, 17, 8}, 44, 5, 11, {0, 4, 0, 9, 1, 2});
}
Draw storedOn(const char *isoDate) {
    return makeDraw(isoDate, {3, 8, 12, 17, 25, 40}, 44, 5, 11, {0, 4, 0, 9, 1, 2});
}

Draw withReplay(Draw draw, int replay) {
    draw.replay = replay;
    return draw;
}

const std::vector<EntryCase> &entryCases() {
    static const std::vector<EntryCase> cases = {
        {"intoAnEmptyFile", {}, nullptr, typedOn("2024-03-02"), {storedOn("2024-03-02")}, "2024-03-02"},
        // Behind the newest: appended, and the draw shown before stays current.
        {"laterThanTheNewest", fourDraws(), nullptr, typedOn("2024-03-16"),
         inserted(fourDraws(), 4, storedOn("2024-03-16")), "2024-03-13"},
        {"betweenTwoDraws", fourDraws(), "2024-03-06", typedOn("2024-03-08"),
         inserted(fourDraws(), 2, storedOn("2024-03-08")), "2024-03-06"},
        {"sameDateReplacesTheDraw", fourDraws(), "2024-03-09", typedOn("2024-03-09"),
         replaced(fourDraws(), 2, storedOn("2024-03-09")), "2024-03-09"},
        // The rewrite drops Wednesday 28.05.1986, keeps Saturday 31.05. and Wednesday 04.06.1986.
        {"rewriteDropsEarlyWednesdays", withEarlyDraws(), "2024-03-06", typedOn("2024-03-06"),
         replaced(withoutFirst(withEarlyDraws()), 3, storedOn("2024-03-06")), "2024-03-06"},
        // The highest Replay a real draw holds.
        {"replayThirteen",
         {},
         nullptr,
         withReplay(typedOn("2024-03-02"), 13),
         {withReplay(storedOn("2024-03-02"), 13)},
         "2024-03-02"},
    };
    return cases;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<quorix::Draw>)

class DrawEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonsAreThere();
    void dialogStartsFromTheBaseDraw();
    void entryPlacesTheDraw_data();
    void entryPlacesTheDraw();
    void abortLeavesTheFile();
    void jokerNotADigitIsRefused();
    void dialogFollowsTheLanguage();
    void deletionRemovesTheShownDate_data();
    void deletionRemovesTheShownDate();
    void csvImportReportsThenWrites();
    void csvImportAnsweredNoWritesNothing();
    void csvImportWithoutAGoodLineWritesNothing_data();
    void csvImportWithoutAGoodLineWritesNothing();
    void csvImportNamesTheFirstRejectsOnly();
};

void DrawEntryTest::buttonsAreThere() {
    Session s(fourDraws());
    for (const char *name : {"BitBtn8", "BitBtn6", "CsvImport"}) {
        auto *button = s.window->control<QAbstractButton>(QString::fromLatin1(name));
        QVERIFY2(button && button->isEnabled() && !button->isHidden(), name);
    }
    QCOMPARE(s.window->control<QAbstractButton>(u"CsvImport"_s)->text(), u"CSV importieren…"_s);
    // The dialog is registered once, before the number dialog, as the windows are created.
    const std::vector<QWidget *> &dialogs = s.window->dialogs();
    QCOMPARE(std::count(dialogs.begin(), dialogs.end(), &s.window->drawEntryDialog()), 1);
    const auto entry = std::find(dialogs.begin(), dialogs.end(), &s.window->drawEntryDialog());
    const auto numbers = std::find(dialogs.begin(), dialogs.end(), &s.window->charts().numberDialog());
    QVERIFY(entry < numbers);
    QCOMPARE(s.window->drawEntryDialog().windowTitle(), u"Zahlen der Ziehung eingeben"_s);
}

void DrawEntryTest::dialogStartsFromTheBaseDraw() {
    Session s(fourDraws());
    // The shown draw's date: that draw.
    s.show("2024-03-06");
    const Draw base = fourDraws()[1];
    std::array<int, 6> numbers{};
    QString joker;
    int lucky = -1;
    int replay = -1;
    QDate date;
    s.enter(
        [&](DrawEntryDialog &d) {
            date = d.dateEdit()->date();
            for (int i = 0; i < 6; ++i)
                numbers[static_cast<std::size_t>(i)] = d.numberSpin(i)->value();
            for (int i = 0; i < 6; ++i)
                joker += d.jokerField(i)->text();
            lucky = d.luckySpin()->value();
            replay = d.replaySpin()->value();
        },
        false);
    QCOMPARE(date, dateFromSerial(base.date));
    QCOMPARE(numbers, base.numbers);
    QCOMPARE(joker, QString::fromStdString(base.jokerString()));
    QCOMPARE(lucky, base.lucky);
    QCOMPARE(replay, base.replay);

    // An end date without a draw of its own: the newest draw. A form left with values of an
    // earlier entry is filled anew.
    s.window->control<QDateEdit>(u"DateTimePicker1"_s)->setDate(QDate(2024, 3, 7));
    s.enter(
        [&](DrawEntryDialog &d) {
            date = d.dateEdit()->date();
            joker.clear();
            for (int i = 0; i < 6; ++i)
                joker += d.jokerField(i)->text();
        },
        false);
    QCOMPARE(date, QDate(2024, 3, 13));
    QCOMPARE(joker, u"700251"_s);
}

void DrawEntryTest::entryPlacesTheDraw_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < entryCases().size(); ++i)
        QTest::newRow(entryCases()[i].name) << static_cast<int>(i);
}

void DrawEntryTest::entryPlacesTheDraw() {
    QFETCH(int, index);
    const EntryCase &c = entryCases()[static_cast<std::size_t>(index)];
    Session s(c.history);
    if (c.shown) s.show(c.shown);
    s.enter([&](DrawEntryDialog &d) { typeDraw(d, c.typed); });
    QCOMPARE(s.draws(), c.expected);
    QCOMPARE(s.currentDate(), QString::fromLatin1(c.currentAfter));
    QVERIFY(!QFile::exists(drawFilePath(s.home) + u"~"_s));
    QVERIFY(s.prompts.asked().empty());
}

void DrawEntryTest::abortLeavesTheFile() {
    Session s(fourDraws());
    s.show("2024-03-06");
    const QByteArray before = fileBytes(drawFilePath(s.home));
    s.enter([](DrawEntryDialog &d) { typeDraw(d, typedOn("2024-03-08")); }, false);
    QCOMPARE(fileBytes(drawFilePath(s.home)), before);
    // The display is refreshed on the base draw all the same.
    QCOMPARE(s.currentDate(), u"2024-03-06"_s);
}

void DrawEntryTest::jokerNotADigitIsRefused() {
    for (const QString &text : {u"x"_s, QString()}) {
        Session s(fourDraws());
        s.show("2024-03-06");
        const QByteArray before = fileBytes(drawFilePath(s.home));
        s.enter([&](DrawEntryDialog &d) {
            typeDraw(d, typedOn("2024-03-08"));
            d.jokerField(2)->setText(text); // past the field's validator, as a paste could
        });
        QCOMPARE(fileBytes(drawFilePath(s.home)), before);
        QCOMPARE(s.prompts.asked().size(), std::size_t{1});
        QCOMPARE(s.prompts.asked().front().text, s.window->message(Msg::JokerNotDigit));
        QVERIFY(!heldOpen(drawFilePath(s.home)));
        // The file is free for the next writer.
        s.enter([](DrawEntryDialog &d) { typeDraw(d, typedOn("2024-03-08")); });
        QCOMPARE(s.draws(), inserted(fourDraws(), 2, storedOn("2024-03-08")));
    }
}

void DrawEntryTest::dialogFollowsTheLanguage() {
    Session s(fourDraws());
    DrawEntryDialog &dialog = s.window->drawEntryDialog();
    QVERIFY(s.window->selectLanguage(1));
    QCOMPARE(dialog.windowTitle(), u"Enter the numbers of the draw"_s);
    QCOMPARE(dialog.abortButton()->text(), u"Cancel"_s);
    QVERIFY(s.window->selectLanguage(0));
    QCOMPARE(dialog.windowTitle(), u"Zahlen der Ziehung eingeben"_s);
    QCOMPARE(dialog.abortButton()->text(), u"Abbrechen"_s);
}

void DrawEntryTest::deletionRemovesTheShownDate_data() {
    QTest::addColumn<std::vector<Draw>>("history");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<std::vector<Draw>>("expected");
    QTest::addColumn<QString>("currentAfter");
    const std::vector<Draw> four = fourDraws();
    QTest::newRow("middle") << four << u"2024-03-06"_s << std::vector<Draw>{four[0], four[2], four[3]}
                            << u"2024-03-09"_s;
    QTest::newRow("newest") << four << u"2024-03-13"_s << std::vector<Draw>{four[0], four[1], four[2]}
                            << u"2024-03-09"_s;
    QTest::newRow("onlyDraw") << std::vector<Draw>{four[0]} << u"2024-03-02"_s << std::vector<Draw>{}
                              << u"2024-03-02"_s;
    std::vector<Draw> twice = four;
    twice.insert(twice.begin() + 2, makeDraw("2024-03-06", {1, 2, 3, 4, 5, 6}));
    QTest::newRow("dateHeldTwice") << twice << u"2024-03-06"_s << std::vector<Draw>{four[0], four[2], four[3]}
                                   << u"2024-03-09"_s;
}

void DrawEntryTest::deletionRemovesTheShownDate() {
    QFETCH(std::vector<Draw>, history);
    QFETCH(QString, shown);
    QFETCH(std::vector<Draw>, expected);
    QFETCH(QString, currentAfter);
    Session s(history);
    s.show(shown.toLatin1().constData());
    // Asked first, the default answer "No" keeps the draw.
    QTest::mouseClick(s.window->control(u"BitBtn6"_s), Qt::LeftButton);
    QCOMPARE(s.draws(), history);
    QCOMPARE(s.prompts.asked().size(), std::size_t{1});
    QCOMPARE(s.prompts.asked().front().text, s.window->message(Msg::DeleteDrawQuestion));
    s.prompts.answer(true);
    QTest::mouseClick(s.window->control(u"BitBtn6"_s), Qt::LeftButton);
    QCOMPARE(s.draws(), expected);
    // An empty history leaves the shown draw as it was; otherwise the next later draw shows.
    QCOMPARE(s.currentDate(), currentAfter);
    QCOMPARE(s.prompts.asked().size(), std::size_t{2});
    QVERIFY(!QFile::exists(QDir(s.home.path()).filePath(u"Zahlen.da~"_s)));
}

namespace {

// A CSV with two new draws, one changed, one unchanged and two bad lines (3 and 6).
QByteArray importCsv() {
    return "date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker\r\n"
           "2024-03-13,3,11,17,25,33,40,0,1,9,700251\r\n"
           "2024-03-16,1,2,3,4,5,6\r\n"
           "2024-03-09,1,2,3,4,5,6,0,2,3,123456\r\n"
           "2024-03-16,4,8,15,16,23,42,0,3,5,111111\r\n"
           "2024-03-20,7,14,21,28,35,42,0,6,2,\r\n"
           "2024-02-30,1,2,3,4,5,6,0,1,1,000000\r\n";
}

struct CsvSession : Session {
    QString csvPath;
    QStringList chosen;
    CsvSession(const std::vector<Draw> &draws, const QByteArray &csv)
        : Session(draws) {
        csvPath = QDir(home.path()).filePath(u"import.csv"_s);
        writeText(csvPath, csv);
        window->setFileChooser([this](bool save, const QString &proposed) {
            chosen << (save ? u"save "_s : u"open "_s) + proposed;
            return csvPath;
        });
    }
    void import() { QTest::mouseClick(window->control(u"CsvImport"_s), Qt::LeftButton); }
};

} // namespace

void DrawEntryTest::csvImportReportsThenWrites() {
    CsvSession s(fourDraws(), importCsv());
    s.show("2024-03-06");
    s.prompts.answer(true);
    s.import();
    QCOMPARE(s.chosen, QStringList{u"open "_s + s.home.path()});
    QCOMPARE(s.prompts.asked().size(), std::size_t{1});
    const Prompts::Request &asked = s.prompts.asked().front();
    QCOMPARE(asked.kind, Prompts::Kind::YesNo);
    QVERIFY(!asked.defaultYes);
    const LottoZahlen &w = *s.window;
    const auto line = [&w](Msg label, int n) { return w.message(label) + u": "_s + QString::number(n); };
    for (const QString &expected :
         {line(Msg::CsvAdded, 2), line(Msg::CsvReplaced, 1), line(Msg::CsvUnchanged, 1),
          line(Msg::CsvRejected, 2), w.message(Msg::CsvLine) + u" 3: "_s, w.message(Msg::CsvLine) + u" 7: "_s,
          w.message(Msg::CsvImportQuestion)})
        QVERIFY2(asked.text.contains(expected), qPrintable(expected + u" in "_s + asked.text));

    std::vector<Draw> expected = fourDraws();
    expected[2] = makeDraw("2024-03-09", {1, 2, 3, 4, 5, 6}, 0, 2, 3, {1, 2, 3, 4, 5, 6});
    expected.push_back(makeDraw("2024-03-16", {4, 8, 15, 16, 23, 42}, 0, 3, 5, {1, 1, 1, 1, 1, 1}));
    expected.push_back(makeDraw("2024-03-20", {7, 14, 21, 28, 35, 42}, 0, 6, 2));
    QCOMPARE(s.draws(), expected);
    // The draw for the end date is selected anew.
    QCOMPARE(s.currentDate(), u"2024-03-06"_s);
}

void DrawEntryTest::csvImportAnsweredNoWritesNothing() {
    CsvSession s(fourDraws(), importCsv());
    const QByteArray before = fileBytes(drawFilePath(s.home));
    s.prompts.answer(false);
    s.import();
    QCOMPARE(s.prompts.asked().size(), std::size_t{1});
    QCOMPARE(fileBytes(drawFilePath(s.home)), before);

    // A cancelled file dialog asks nothing at all.
    s.window->setFileChooser([](bool, const QString &) { return QString(); });
    s.import();
    QCOMPARE(s.prompts.asked().size(), std::size_t{1});
}

void DrawEntryTest::csvImportWithoutAGoodLineWritesNothing_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<bool>("saysNothingToImport");
    QTest::newRow("onlyHeader") << QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker\r\n") << true;
    QTest::newRow("onlyBadLines") << QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker\n"
                                                "2024-03-16,1,1,2,3,4,5,0,1,1,\n"
                                                "yesterday,1,2,3,4,5,6,0,1,1,\n")
                                  << true;
    QTest::newRow("notACsv") << QByteArray("\x01\x02\x03 no header\n") << false;
    QTest::newRow("missingFile") << QByteArray() << false;
}

void DrawEntryTest::csvImportWithoutAGoodLineWritesNothing() {
    QFETCH(QByteArray, csv);
    QFETCH(bool, saysNothingToImport);
    CsvSession s(fourDraws(), csv);
    if (csv.isEmpty()) QFile::remove(s.csvPath);
    const QByteArray before = fileBytes(drawFilePath(s.home));
    s.prompts.answer(true); // a question would be answered Yes
    s.import();
    QCOMPARE(fileBytes(drawFilePath(s.home)), before);
    QCOMPARE(s.prompts.asked().size(), std::size_t{1});
    QCOMPARE(s.prompts.asked().front().kind, Prompts::Kind::Message);
    QCOMPARE(s.prompts.asked().front().text.contains(s.window->message(Msg::CsvNothingToImport)),
             saysNothingToImport);
}

void DrawEntryTest::csvImportNamesTheFirstRejectsOnly() {
    QByteArray csv = "date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker\n2024-03-16,1,2,3,4,5,6,0,1,1,\n";
    for (int i = 0; i < 9; ++i)
        csv += "2024-03-20,1,2,3\n"; // lines 3..11
    CsvSession s(fourDraws(), csv);
    s.prompts.answer(false);
    s.import();
    const QString text = s.prompts.asked().front().text;
    const QString lineWord = s.window->message(Msg::CsvLine);
    QVERIFY(text.contains(s.window->message(Msg::CsvRejected) + u": 9"_s));
    QVERIFY(text.contains(lineWord + u" 7: "_s));
    QVERIFY(!text.contains(lineWord + u" 8: "_s));
    QVERIFY(text.contains(s.window->message(Msg::CsvMoreRejected) + u": 4"_s));
}

QTEST_MAIN(DrawEntryTest)
#include "drawentry_test.moc"
