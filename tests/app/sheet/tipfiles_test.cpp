// The tip sheet's file buttons: what the sheet shows goes to a tip file and comes back, and the
// tip list is written as the sheet lists it. The formats themselves are tested in output.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/uihelpers.h"
#include "appfixture.h"
#include "output/tipfile.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

// Saturday, Wednesday, Saturday, Wednesday.
const std::vector<Draw> kHistory = {
    makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41}),
    makeDraw("2024-03-06", {5, 6, 18, 27, 35, 42}),
    makeDraw("2024-03-09", {2, 11, 19, 24, 33, 38}),
    makeDraw("2024-03-13", {3, 11, 17, 25, 33, 40}),
};

void fillRow(LottoZahlen &window, int row, const QStringList &numbers, const QString &lucky) {
    for (int c = 0; c < 6; ++c)
        window.sheet().tipField(row, c)->setText(numbers.value(c));
    window.sheet().luckyBox(row)->setCurrentText(lucky);
}

QStringList rowTexts(LottoZahlen &window, int row) {
    QStringList texts;
    for (int c = 0; c < 6; ++c)
        texts << window.sheet().tipField(row, c)->text();
    texts << window.sheet().luckyBox(row)->currentText();
    return texts;
}

QStringList fileLines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write the fixture");
    file.write(bytes);
}

} // namespace

class TipFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void saveClearLoadGivesTheSheetBack();
    void loadingFillsLockedRowsAndNormalises();
    void unreadableFileChangesNothing();
    void tipListListsFilledRows();
    void tipListWithABadRowWritesNothing();

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<PromptScript> m_prompts;
    std::unique_ptr<LottoZahlen> m_window;
    QStringList m_opened;

    LottoZahlen &start() {
        m_home->writeDraws(kHistory);
        m_window = std::make_unique<LottoZahlen>();
        m_window->setDocumentOpener([this](const QString &path) { m_opened << path; });
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get())) qFatal("window not exposed");
        return *m_window;
    }
    QString homeFile(const QString &name) const { return QDir(m_home->path()).filePath(name); }
    void click(const char *name) {
        QTest::mouseClick(m_window->control(QString::fromLatin1(name)), Qt::LeftButton);
    }
};

void TipFilesTest::init() {
    m_home = std::make_unique<TempHome>();
    m_prompts = std::make_unique<PromptScript>();
    m_opened.clear();
}

void TipFilesTest::cleanup() {
    m_window.reset();
    m_prompts.reset();
    m_home.reset();
}

void TipFilesTest::saveClearLoadGivesTheSheetBack() {
    LottoZahlen &window = start();
    fillRow(window, 0, {u"7"_s, u"12"_s, u"19"_s, u"23"_s, u"38"_s, u"42"_s}, u"2"_s);
    // Complete ascending rows: the evaluation after loading sorts rows and resets the lucky box
    // of an incomplete one.
    fillRow(window, 4, {u"1"_s, u"3"_s, u"5"_s, u"8"_s, u"13"_s, u"42"_s}, u"6"_s);
    fillRow(window, 13, {u"1"_s, u"2"_s, u"3"_s, u"40"_s, u"41"_s, u"42"_s}, u"x,y"_s);
    const TipSheet saved = window.tipSheet();

    // A fixed today, so the proposal does not depend on the day the test runs.
    const DaySerial today = serialFromYmd(2026, 12, 11);
    window.setToday([today] { return today; });
    QStringList proposals;
    QString answer = homeFile(u"mine"_s); // no extension: the tip file's is added
    window.setFileChooser([&](bool save, const QString &proposed) {
        proposals << (save ? u"save "_s : u"load "_s) + proposed;
        return answer;
    });
    click("SpeedButton15");
    // The end date shows the newest draw, a Wednesday: the Saturday after names the file.
    const std::string name = TipFile::proposedName(kHistory.back().date, today);
    QCOMPARE(name, std::string("20240316.zqt"));
    QCOMPARE(proposals, QStringList{u"save "_s + homeFile(QString::fromStdString(name))});
    QCOMPARE(fileLines(homeFile(u"mine.zqt"_s)).join(u"\r\n"_s) + u"\r\n"_s,
             QString::fromStdString(TipFile::format(saved)));

    window.sheet().clearUnlocked();
    QCOMPARE(rowTexts(window, 0), (QStringList{{}, {}, {}, {}, {}, {}, u"-"_s}));
    // Loading takes the file, then selects the draw for the end date as the evaluation does.
    window.control<QDateEdit>(u"DateTimePicker1"_s)->setDate(dateFromSerial(kHistory[1].date));
    answer = homeFile(u"mine.zqt"_s);
    click("SpeedButton16");
    QCOMPARE(window.tipSheet(), saved);
    QCOMPARE(window.currentIndex(), 1);
    QVERIFY(m_prompts->asked().empty());

    // Cancelled: nothing is read, the evaluation still runs.
    window.sheet().clearUnlocked();
    window.control<QDateEdit>(u"DateTimePicker1"_s)->setDate(dateFromSerial(kHistory[2].date));
    answer.clear();
    click("SpeedButton16");
    QCOMPARE(rowTexts(window, 0), (QStringList{{}, {}, {}, {}, {}, {}, u"-"_s}));
    QCOMPARE(window.currentIndex(), 2);
    QCOMPARE(proposals.size(), 3);
}

void TipFilesTest::loadingFillsLockedRowsAndNormalises() {
    LottoZahlen &window = start();
    fillRow(window, 1, {u"9"_s, u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s}, u"5"_s);
    fillRow(window, 2, {u"20"_s, u"21"_s, u"22"_s, u"23"_s, u"24"_s, u"25"_s}, u"1"_s);
    fillRow(window, 6, {u"30"_s, u"31"_s, u"32"_s, u"33"_s, u"34"_s, u"35"_s}, u"4"_s);
    window.sheet().toggleLock(1);
    window.sheet().toggleLock(6);
    const QString path = homeFile(u"table.zqt"_s);
    writeFile(path, "1,2,3,4,5,6\r\n"
                    "1,2,3,4,5,6,3\r\n"
                    "1,2,3,4,5,6,3,9\n"
                    "1,2,50,x,05,6,-\r\n"
                    "1,2,3\r\n"
                    "0005, 7 ,+8,0042,43,-1,2\r\n"); // the whole text reaches the field's rule
    window.Textladen(path);
    const QStringList expected[] = {
        {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"-"_s},
        {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"3"_s}, // locked, overwritten
        {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"3,9"_s},
        {u"1"_s, u"2"_s, {}, {}, u"5"_s, u"6"_s, u"-"_s},
        {u"1"_s, u"2"_s, {}, {}, {}, u"3"_s, u"-"_s},
        {u"5"_s, u"7"_s, u"8"_s, u"42"_s, {}, {}, u"2"_s},
    };
    for (int row = 0; row < 14; ++row) {
        const QStringList want = row < 6 ? expected[row] : QStringList{{}, {}, {}, {}, {}, {}, u"-"_s};
        QCOMPARE(rowTexts(window, row), want);
    }
    QVERIFY(window.sheet().isRowLocked(1));
    QVERIFY(window.sheet().isRowLocked(6));
    QVERIFY(m_prompts->asked().empty());
}

void TipFilesTest::unreadableFileChangesNothing() {
    LottoZahlen &window = start();
    fillRow(window, 0, {u"7"_s, u"12"_s, u"19"_s, u"23"_s, u"38"_s, u"42"_s}, u"2"_s);
    const TipSheet before = window.tipSheet();
    window.Textladen(homeFile(u"none.zqt"_s));
    QCOMPARE(window.tipSheet(), before);
    QCOMPARE(m_prompts->asked().size(), std::size_t{1});
    QVERIFY(m_prompts->asked().front().text.contains(u"none.zqt"_s));
}

void TipFilesTest::tipListListsFilledRows() {
    LottoZahlen &window = start();
    fillRow(window, 0, {u"7"_s, u"12"_s, u"19"_s, u"23"_s, u"38"_s, u"42"_s}, u"2"_s);
    fillRow(window, 1, {{}, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}, u"3"_s); // not listed
    fillRow(window, 11, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}, u"-"_s);
    const QString tipWord = window.message(Msg::TipWord);
    const auto title = [](const QDate &next) {
        return u"Quorix www.sorvani.example Tipp für "_s +
               QLocale::system().dayName(next.dayOfWeek(), QLocale::LongFormat) + u" "_s +
               next.toString(u"dd.MM.yy"_s);
    };
    const QString path = homeFile(u"Tipp.txt"_s);

    // The shown draw is a Wednesday: with both weekdays the Saturday after, else a week later.
    window.ui().saturday->setChecked(true);
    window.ui().wednesday->setChecked(true);
    click("BitBtn7");
    const QStringList expected = {
        title(QDate(2024, 3, 16)),
        QString(46, u'~'),
        QString(),
        u" 1. "_s + tipWord + u":  7   12   19   23   38   42  Plus: 2"_s,
        u"12. "_s + tipWord + u":  1    2    3    4    5    6  Plus: -"_s,
    };
    QCOMPARE(fileLines(path), expected);
    QCOMPARE(m_opened, QStringList{path});

    window.ui().wednesday->setChecked(false);
    click("BitBtn7");
    QCOMPARE(fileLines(path).value(0), title(QDate(2024, 3, 20)));
    QCOMPARE(m_opened.size(), 2);
    QVERIFY(m_prompts->asked().empty());
}

void TipFilesTest::tipListWithABadRowWritesNothing() {
    LottoZahlen &window = start();
    fillRow(window, 0, {u"7"_s, u"12"_s, u"19"_s, u"23"_s, u"38"_s, u"42"_s}, u"2"_s);
    fillRow(window, 3, {u"7"_s, u"12"_s, {}, u"23"_s, u"38"_s, u"42"_s}, u"2"_s);
    click("BitBtn7");
    QCOMPARE(m_prompts->asked().size(), std::size_t{1});
    QVERIFY(m_prompts->asked().front().text.contains(u"«»"_s));
    QVERIFY(m_prompts->asked().front().text.contains(u"Reihe 4"_s));
    QVERIFY(!QFile::exists(homeFile(u"Tipp.txt"_s)));
    QVERIFY(m_opened.isEmpty());
}

QTEST_MAIN(TipFilesTest)
#include "tipfiles_test.moc"
