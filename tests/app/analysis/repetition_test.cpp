// The window's repetition analysis through its boxes: the threshold box, the match boxes, the
// sheet and browser it leaves, the report it opens. The walk itself is tested in core.
#include <QBarSeries>
#include <QBarSet>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include "app/mainwindow/mainwindow.h"
#include "app/charts/statisticschart.h"
#include "app/widgets/uihelpers.h"
#include "app/charts/chartspanel.h"
#include "appfixture.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

// Sat, Wed, Sat (repeats the first), Wed, Sat, Wed.
const std::vector<Draw> kHistory = {
    makeDraw("2024-03-02", {1, 2, 3, 4, 5, 6}),    makeDraw("2024-03-06", {1, 2, 3, 4, 5, 7}),
    makeDraw("2024-03-09", {6, 5, 4, 3, 2, 1}),    makeDraw("2024-03-13", {10, 11, 12, 13, 14, 15}),
    makeDraw("2024-03-16", {1, 2, 3, 10, 11, 40}), makeDraw("2024-03-20", {6, 7, 12, 13, 41, 42}),
};

QStringList rowTexts(LottoZahlen &window, int row) {
    QStringList texts;
    for (int c = 0; c < 6; ++c)
        texts << window.sheet().tipField(row, c)->text();
    return texts;
}

void fillRow(LottoZahlen &window, int row, const QStringList &numbers, const QString &lucky) {
    for (int c = 0; c < 6; ++c)
        window.sheet().tipField(row, c)->setText(numbers.value(c));
    window.sheet().luckyBox(row)->setCurrentText(lucky);
}

QString box(const char *date) {
    return QStringLiteral("Treffer in der Ziehung vom %1  Weiter suchen?").arg(QLatin1String(date));
}

} // namespace

class RepetitionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void walksAsksAndOpensTheReport();
    void noEndsWithoutAReport();
    void badThresholdWalksNothing();

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
        m_window->ui().endDate->setDate(QDate(2024, 3, 2));
        m_window->showPage(LottoZahlen::Page::Database);
        return *m_window;
    }
    void analyse() { QTest::mouseClick(m_window->control(u"BitBtn19"_s), Qt::LeftButton); }
    QString report() const { return QDir(m_home->path()).filePath(u"Test.rtf"_s); }
};

void RepetitionTest::init() {
    m_home = std::make_unique<TempHome>();
    m_prompts = std::make_unique<PromptScript>();
    m_opened.clear();
}

void RepetitionTest::cleanup() {
    m_window.reset();
    m_prompts.reset();
    m_home.reset();
}

void RepetitionTest::walksAsksAndOpensTheReport() {
    LottoZahlen &window = start();
    // Row 1 locked keeps its lucky number but takes the draws; locked rows keep their tips,
    // unlocked ones are cleared.
    fillRow(window, 0, {u"7"_s, u"8"_s, u"9"_s, u"20"_s, u"21"_s, u"22"_s}, u"4"_s);
    fillRow(window, 1, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}, u"2"_s);
    fillRow(window, 13, {u"30"_s, u"31"_s, u"32"_s, u"33"_s, u"34"_s, u"35"_s}, u"-"_s);
    fillRow(window, 2, {u"8"_s, u"9"_s, u"10"_s, u"11"_s, u"12"_s, u"13"_s}, u"1"_s);
    for (int row : {0, 1, 13})
        window.sheet().toggleLock(row);
    for (int i = 0; i < 4; ++i)
        m_prompts->answer(true, i == 0 ? u"5"_s : QString());
    analyse();

    const auto &asked = m_prompts->asked();
    QCOMPARE(asked.size(), std::size_t{4});
    QCOMPARE(asked[0].kind, Prompts::Kind::Input);
    QCOMPARE(asked[0].caption, u"Suche in der Datenbank"_s);
    QCOMPARE(asked[0].text, u"Ab wie vielen gleichen Zahlen soll angehalten werden?"_s);
    QCOMPARE(asked[0].preset, u"6"_s);
    for (std::size_t i : {1U, 2U, 3U}) {
        QCOMPARE(asked[i].kind, Prompts::Kind::YesNo);
        QCOMPARE(asked[i].caption, u"Treffer gefunden"_s);
    }
    QCOMPARE(asked[1].text, box("02.03.2024")); // B against A
    QCOMPARE(asked[2].text, box("02.03.2024")); // C against A
    QCOMPARE(asked[3].text, box("06.03.2024")); // C against B

    // Row 1 holds the last turn's draw (sorted by the closing check), the browser its next draw.
    QCOMPARE(window.pages()->currentIndex(), static_cast<int>(LottoZahlen::Page::TipSheet));
    QCOMPARE(rowTexts(window, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"10"_s, u"11"_s, u"40"_s}));
    QCOMPARE(window.sheet().luckyBox(0)->currentText(), u"4"_s);
    QCOMPARE(rowTexts(window, 1), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}));
    QCOMPARE(window.sheet().luckyBox(1)->currentText(), u"2"_s);
    QCOMPARE(rowTexts(window, 13).join(u' '), u"30 31 32 33 34 35"_s);
    QCOMPARE(rowTexts(window, 2).join(QString()), QString());
    QCOMPARE(window.sheet().luckyBox(2)->currentText(), u"-"_s);
    QCOMPARE(window.currentDraw(), kHistory[5]);
    QCOMPARE(window.ui().endDate->date(), QDate(2024, 3, 20));
    QCOMPARE(window.statusPanel(0)->text(), u"20.03.2024"_s);
    QCOMPARE(window.statusPanel(1)->text(), u"16.03.2024"_s);
    StatisticsChart &chart = window.charts().chart();
    QCOMPARE(chart.barSet()->count(), 0);
    QVERIFY(chart.series()->isVisible());
    QVERIFY(!QApplication::overrideCursor());

    QCOMPARE(m_opened, QStringList{report()});
    QFile file(report());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString rtf = QString::fromLatin1(file.readAll());
    QVERIFY(rtf.startsWith(u"{\\rtf1"_s));
    QVERIFY2(rtf.contains(u"\\fs20 Gleiche Zahlen mit allen fr\\'fcheren Ziehungen\\par\r\n0x    =>3\\par\r\n"
                          "1x    =>0\\par\r\n2x    =>1\\par\r\n3x    =>3\\par\r\n4x    =>0\\par\r\n"
                          "5x    =>2\\par\r\n6x    =>1\\par\r\n \\par\r\n"
                          "Gleiche Zahlen mit der n\\'e4chsten Ziehung\\par\r\n0x    =>2\\par\r\n"_s),
             qPrintable(rtf));
    QVERIFY(rtf.contains(u"Gleiche Zahlen mit der drittn\\'e4chsten Ziehung\\par\r\n0x    =>1\\par\r\n"
                         "1x    =>1\\par\r\n2x    =>0\\par\r\n3x    =>1\\par\r\n"_s));
}

void RepetitionTest::noEndsWithoutAReport() {
    LottoZahlen &window = start();
    m_prompts->answer(true, u" 6 "_s);
    m_prompts->answer(false);
    analyse();
    QCOMPARE(m_prompts->asked().size(), std::size_t{2});
    QCOMPARE(m_prompts->asked()[1].text, box("02.03.2024"));
    // Stopped in the turn of C: the browser stays there, row 1 holds it as drawn, unchecked.
    QCOMPARE(window.currentDraw(), kHistory[2]);
    QCOMPARE(window.ui().endDate->date(), QDate(2024, 3, 9));
    QCOMPARE(rowTexts(window, 0).join(u' '), u"6 5 4 3 2 1"_s);
    QCOMPARE(window.control<QLabel>(u"Label22"_s)->text(), QString());
    QCOMPARE(window.statusPanel(1)->text(), u"09.03.2024"_s);
    QVERIFY(m_opened.isEmpty());
    QVERIFY(!QFile::exists(report()));
    QVERIFY(!QApplication::overrideCursor());
}

void RepetitionTest::badThresholdWalksNothing() {
    LottoZahlen &window = start();
    fillRow(window, 0, {u"7"_s, u"8"_s, u"9"_s, u"20"_s, u"21"_s, u"22"_s}, u"4"_s);
    m_prompts->answer(true, u"sechs"_s);
    analyse();
    QCOMPARE(m_prompts->asked().size(), std::size_t{2});
    QCOMPARE(m_prompts->asked()[1].kind, Prompts::Kind::Message);
    QCOMPARE(m_prompts->asked()[1].text, u"«sechs» ist keine gültige ganze Zahl."_s);
    // The draw for the end date was selected before the question; nothing else happened.
    QCOMPARE(window.currentDraw(), kHistory[0]);
    QCOMPARE(rowTexts(window, 0).join(u' '), u"7 8 9 20 21 22"_s);
    QVERIFY(m_opened.isEmpty());
    QVERIFY(!QFile::exists(report()));
}

QTEST_MAIN(RepetitionTest)
#include "repetition_test.moc"
