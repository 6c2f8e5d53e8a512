// The window's search of the sheet's tips in the history, answered through its boxes. The walk
// itself is tested in core; here the boxes, labels and draw lines must show what it finds.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include "app/mainwindow/controltables.h"
#include "app/mainwindow/mainwindow.h"
#include "app/widgets/uihelpers.h"
#include "appfixture.h"
#include "core/history/drawbrowser.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

// Saturday, Wednesday, Saturday, Wednesday.
const std::vector<Draw> kHistory = {
    makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41}, 0, 2, 4),
    makeDraw("2024-03-06", {5, 6, 18, 27, 35, 42}, 0, 6, 9),
    makeDraw("2024-03-09", {2, 11, 19, 24, 33, 38}, 0, 1, 3),
    makeDraw("2024-03-13", {3, 11, 17, 25, 33, 40}, 8, 5, 7),
};

QString resultText(LottoZahlen &window, int row) {
    return window.control<QLabel>(QString::fromLatin1(kTipRows[static_cast<std::size_t>(row)].result))
        ->text();
}

QColor resultColour(LottoZahlen &window, int row) {
    return window.control<QLabel>(QString::fromLatin1(kTipRows[static_cast<std::size_t>(row)].result))
        ->palette()
        .color(QPalette::WindowText);
}

void fillRow(LottoZahlen &window, int row, const QStringList &numbers, const QString &lucky) {
    for (int c = 0; c < 6; ++c)
        window.sheet().tipField(row, c)->setText(numbers.value(c));
    window.sheet().luckyBox(row)->setCurrentText(lucky);
}

QString box(const char *date) {
    return QStringLiteral("Treffer in der Ziehung vom %1   Weiter suchen?").arg(QLatin1String(date));
}

} // namespace

class SearchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void asksAtEveryMatchAndShowsTheLastDraw();
    void leavesTheBrowserWhereItWas();
    void noEndsAtOnce();
    void badOrCancelledThresholdSearchesNothing();

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<PromptScript> m_prompts;
    std::unique_ptr<LottoZahlen> m_window;

    LottoZahlen &start() {
        m_home->writeDraws(kHistory);
        m_window = std::make_unique<LottoZahlen>();
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get())) qFatal("window not exposed");
        return *m_window;
    }
    void search() { QTest::mouseClick(m_window->control(QStringLiteral("SpeedButton4")), Qt::LeftButton); }
};

void SearchTest::init() {
    m_home = std::make_unique<TempHome>();
    m_prompts = std::make_unique<PromptScript>();
}

void SearchTest::cleanup() {
    m_window.reset();
    m_prompts.reset();
    m_home.reset();
}

void SearchTest::asksAtEveryMatchAndShowsTheLastDraw() {
    LottoZahlen &window = start();
    fillRow(window, 0, {u"42"_s, u"35"_s, u"27"_s, u"18"_s, u"6"_s, u"5"_s}, u"6"_s); // 06.03., unsorted
    fillRow(window, 1, {u"3"_s, u"11"_s, u"17"_s, u"25"_s, u"33"_s, u"8"_s}, u"5"_s); // 13.03. with its bonus
    const QColor fieldBefore = window.sheet().tipField(1, 0)->palette().color(QPalette::Base);
    m_prompts->answer(true, u"5"_s);
    m_prompts->answer(true);
    m_prompts->answer(true);
    search();

    const auto &asked = m_prompts->asked();
    QCOMPARE(asked.size(), std::size_t{3});
    QCOMPARE(asked[0].kind, Prompts::Kind::Input);
    QCOMPARE(asked[0].caption, u"Suche in der Datenbank"_s);
    QCOMPARE(asked[0].text, u"Ab wie vielen Richtigen soll die Suche anhalten?"_s);
    QCOMPARE(asked[0].preset, u"6"_s);
    for (std::size_t i : {1U, 2U}) {
        QCOMPARE(asked[i].kind, Prompts::Kind::YesNo);
        QCOMPARE(asked[i].caption, u"Treffer gefunden"_s);
    }
    QCOMPARE(asked[1].text, box("06.03.2024"));
    QCOMPARE(asked[2].text, box("13.03.2024"));

    // Against the last draw: no " + G", no sorting, no colouring, an empty row reads 0.
    QCOMPARE(resultText(window, 0), u"0"_s);
    QCOMPARE(resultColour(window, 0), QColor(0, 0, 0));
    QCOMPARE(resultText(window, 1), u"5 + Z"_s);
    QCOMPARE(resultColour(window, 1), QColor(255, 0, 0));
    QCOMPARE(resultText(window, 2), u"0"_s);
    QCOMPARE(window.sheet().tipField(0, 0)->text(), u"42"_s);
    QCOMPARE(window.sheet().tipField(1, 0)->palette().color(QPalette::Base), fieldBefore);
    QVERIFY(window.sheet().hitTally() == HitTally{});
    QVERIFY(window.statusPanel(1)->text().contains(u": 4 "_s));
}

void SearchTest::leavesTheBrowserWhereItWas() {
    LottoZahlen &window = start();
    window.control<QCheckBox>(u"CheckBox17"_s)->setChecked(false); // Saturdays only
    fillRow(window, 0, {u"2"_s, u"11"_s, u"19"_s, u"24"_s, u"33"_s, u"38"_s}, u"-"_s);
    const QDate endBefore = window.ui().endDate->date();
    m_prompts->answer(true, u"6"_s);
    m_prompts->answer(true);
    search();

    QCOMPARE(m_prompts->asked().size(), std::size_t{2});
    QCOMPARE(m_prompts->asked()[1].text, box("09.03.2024"));
    // 09.03. was compared last: its numbers are the current draw's, shown as a stepped line; the
    // position, the end date and the Replay digit stay those of 13.03.
    const Draw &searched = kHistory[2];
    QCOMPARE(window.currentIndex(), 3);
    QCOMPARE(window.currentDraw().date, searched.date);
    QCOMPARE(window.currentDraw().numbers, searched.numbers);
    QCOMPARE(window.currentDraw().lucky, searched.lucky);
    QCOMPARE(window.currentDraw().replay, kHistory[3].replay);
    QCOMPARE(window.ui().endDate->date(), endBefore);
    const std::string weekday = QLocale::system()
                                    .dayName(dateFromSerial(searched.date).dayOfWeek(), QLocale::ShortFormat)
                                    .toStdString();
    const QString line = QString::fromStdString(steppedDrawLine(weekday, searched));
    QCOMPARE(window.ui().drawLine->text(), line);
    QCOMPARE(window.ui().sheetDrawLine->text(), line);
    QCOMPARE(window.ui().crossSum->text(), u"QS: 127"_s);
    QCOMPARE(resultText(window, 0), u"6"_s);
}

void SearchTest::noEndsAtOnce() {
    LottoZahlen &window = start();
    fillRow(window, 0, {u"1"_s, u"9"_s, u"5"_s, u"6"_s, u"3"_s, u"11"_s}, u"-"_s);
    fillRow(window, 1, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}, u"-"_s);
    const QString rowTwoBefore = resultText(window, 1);
    m_prompts->answer(true, u"2"_s);
    m_prompts->answer(false);
    search();
    QCOMPARE(m_prompts->asked().size(), std::size_t{2});
    QCOMPARE(m_prompts->asked()[1].text, box("02.03.2024"));
    QCOMPARE(resultText(window, 0), u"2"_s);
    QCOMPARE(resultText(window, 1), rowTwoBefore); // never compared
    QCOMPARE(window.currentDraw().numbers, kHistory[0].numbers);
}

void SearchTest::badOrCancelledThresholdSearchesNothing() {
    LottoZahlen &window = start();
    fillRow(window, 0, {u"1"_s, u"9"_s, u"14"_s, u"22"_s, u"30"_s, u"41"_s}, u"-"_s);
    const QString before = resultText(window, 0);
    m_prompts->answer(true, u"sechs"_s);
    search();
    QCOMPARE(m_prompts->asked().size(), std::size_t{2});
    QCOMPARE(m_prompts->asked()[1].kind, Prompts::Kind::Message);
    QCOMPARE(m_prompts->asked()[1].text, u"«sechs» ist keine gültige ganze Zahl."_s);
    m_prompts->answer(false);
    search();
    QCOMPARE(m_prompts->asked().size(), std::size_t{3});
    QCOMPARE(resultText(window, 0), before);
    QCOMPARE(window.currentIndex(), 3);
    QCOMPARE(window.currentDraw(), kHistory[3]);
}

QTEST_MAIN(SearchTest)
#include "search_test.moc"
