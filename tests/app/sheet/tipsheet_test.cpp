// The main window's wiring of the draw browser, the tip sheet and the tip check. The rules
// themselves are tested in core; here the widgets must show what core computes.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "app/mainwindow/controltables.h"
#include "app/mainwindow/mainwindow.h"
#include "app/platform/soundplayer.h"
#include "app/widgets/uihelpers.h"
#include "appfixture.h"
#include "core/history/drawbrowser.h"
#include "core/history/drawfile.h"

using namespace quorix;
using namespace quorix::testing;

namespace {

// Saturday, Wednesday, Saturday, Wednesday.
const std::vector<Draw> kHistory = {
    makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41}, 0, 2, 4, {0, 1, 2, 3, 4, 5}),
    makeDraw("2024-03-06", {5, 6, 18, 27, 35, 42}, 0, 6, 9, {9, 8, 7, 6, 5, 4}),
    makeDraw("2024-03-09", {2, 11, 19, 24, 33, 38}, 0, 1, 3, {1, 1, 2, 2, 3, 3}),
    makeDraw("2024-03-13", {3, 11, 17, 25, 33, 40}, 8, 5, 7, {4, 8, 2, 9, 1, 5}),
};

QDate dateOf(const Draw &draw) {
    return dateFromSerial(draw.date);
}

std::string weekdayOf(const Draw &draw) {
    return QLocale::system().dayName(dateOf(draw).dayOfWeek(), QLocale::ShortFormat).toStdString();
}

QColor background(QWidget *widget) {
    return widget->palette().color(QPalette::Base);
}
QColor textColour(QWidget *widget) {
    return widget->palette().color(QPalette::WindowText);
}

void fillRow(LottoZahlen &window, int row, const QStringList &numbers,
             const QString &lucky = QStringLiteral("-")) {
    for (int c = 0; c < 6; ++c)
        window.sheet().tipField(row, c)->setText(numbers.value(c));
    window.control<QComboBox>(QString::fromLatin1(kTipRows[static_cast<std::size_t>(row)].lucky))
        ->setCurrentText(lucky);
}

QStringList rowTexts(LottoZahlen &window, int row) {
    QStringList texts;
    for (int c = 0; c < 6; ++c)
        texts << window.sheet().tipField(row, c)->text();
    return texts;
}

int rowOf(LottoZahlen &window, const QWidget *widget) {
    for (int row = 0; row < kTipRowCount; ++row)
        for (int c = 0; c < 6; ++c)
            if (window.sheet().tipField(row, c) == widget) return row;
    return -1;
}

QLabel *resultLabel(LottoZahlen &window, int row) {
    return window.control<QLabel>(QString::fromLatin1(kTipRows[static_cast<std::size_t>(row)].result));
}

} // namespace

class TipSheetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startUpShowsTheNewestDraw();
    void startUpConvertsALegacyFile();
    void emptyHistoryShowsNoDraw();
    void startDateRule_data();
    void startDateRule();
    void stepsFollowTheWeekdayBoxes();
    void typingNormalisesTheField_data();
    void typingNormalisesTheField();
    void lockedRowsSurviveClearing();
    void checkColoursTheMainExample();
    void leavingAFieldChecksOnlyWhenEnabled();
    void replayAndJokerResults();
    void editButtonWalksTheRowsFields();
    void retypingARowFieldByFieldKeepsItsNumbers();
    void repeatedNumbersCountOnceAndWarn();
    void withoutADrawRowsShowNoResult();

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<PromptScript> m_prompts;
    std::unique_ptr<LottoZahlen> m_window;

    LottoZahlen &start(const std::vector<Draw> &draws = kHistory) {
        m_home->writeDraws(draws);
        m_window = std::make_unique<LottoZahlen>();
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get())) qFatal("window not exposed");
        return *m_window;
    }
};

void TipSheetTest::init() {
    m_home = std::make_unique<TempHome>();
    m_prompts = std::make_unique<PromptScript>();
}

void TipSheetTest::cleanup() {
    m_window.reset();
    m_prompts.reset();
    m_home.reset();
}

void TipSheetTest::startUpShowsTheNewestDraw() {
    LottoZahlen &window = start();
    const Draw &newest = kHistory.back();
    QVERIFY(m_prompts->asked().empty());
    QCOMPARE(window.currentIndex(), 3);
    const QString line = QString::fromStdString(selectedDrawLine(weekdayOf(newest), newest, false));
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label29"))->text(), line);
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label35"))->text(), line);
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label77"))->text(),
             QString::fromStdString(selectedJokerLine(weekdayOf(newest), newest)));
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label13"))->text(), QStringLiteral("QS: 129"));
    QCOMPARE(window.control<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), dateOf(newest));
}

void TipSheetTest::startUpConvertsALegacyFile() {
    // Two 16-byte records: the draw file is built from them at start-up.
    QByteArray legacy;
    for (const Draw &draw : {kHistory[0], kHistory[1]}) {
        const DrawRecord record = DrawRecord::fromDraw(draw);
        legacy.append(reinterpret_cast<const char *>(record.bytes.data()), DrawRecord::kLegacySize);
    }
    QFile file(QDir(m_home->path()).filePath(QStringLiteral("Zahlen.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(legacy);
    file.close();

    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(m_prompts->asked().empty());
    QCOMPARE(window.currentIndex(), 1);
    QCOMPARE(window.currentDraw().numbers, kHistory[1].numbers);
    QCOMPARE(window.control<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), dateOf(kHistory[1]));
}

void TipSheetTest::emptyHistoryShowsNoDraw() {
    // An empty file holds no draw: the lines stay empty instead of showing an all-zero record,
    // and the steps stay where they are.
    LottoZahlen &window = start({});
    QVERIFY(m_prompts->asked().empty());
    for (const char *name : {"Label29", "Label35", "Label77", "Label13"})
        QVERIFY2(window.control<QLabel>(QString::fromLatin1(name))->text().isEmpty(), name);
    QTest::mouseClick(window.control(QStringLiteral("SpeedButton6")), Qt::LeftButton);
    QTest::mouseClick(window.control(QStringLiteral("SpeedButton7")), Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 0);
    QVERIFY(window.control<QLabel>(QStringLiteral("Label29"))->text().isEmpty());
    QCOMPARE(window.control<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), QDate::currentDate());
}

void TipSheetTest::startDateRule_data() {
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("8 days ago is kept") << 8 << QDate::currentDate().addDays(-8);
    QTest::newRow("7 days ago is kept") << 7 << QDate::currentDate().addDays(-7);
    QTest::newRow("6 days ago is replaced") << 6 << QDate(1990, 3, 17);
}

void TipSheetTest::startDateRule() {
    QFETCH(int, daysAgo);
    QFETCH(QDate, expected);
    m_home->writeDraws(kHistory);
    LottoZahlen window;
    // Stands for a restored value: it is in the picker before the start-up runs.
    window.control<QDateEdit>(QStringLiteral("DateTimePicker2"))
        ->setDate(QDate::currentDate().addDays(-daysAgo));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.control<QDateEdit>(QStringLiteral("DateTimePicker2"))->date(), expected);
}

void TipSheetTest::stepsFollowTheWeekdayBoxes() {
    LottoZahlen &window = start();
    auto *back = window.control<QToolButton>(QStringLiteral("SpeedButton6"));
    auto *forward = window.control<QToolButton>(QStringLiteral("SpeedButton7"));
    auto *end = window.control<QDateEdit>(QStringLiteral("DateTimePicker1"));
    auto *line = window.control<QLabel>(QStringLiteral("Label29"));

    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 2);
    QCOMPARE(end->date(), dateOf(kHistory[2]));
    QCOMPARE(line->text(), QString::fromStdString(steppedDrawLine(weekdayOf(kHistory[2]), kHistory[2])));
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label35"))->text(), line->text());
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label77"))->text(),
             QString::fromStdString(steppedJokerLine(weekdayOf(kHistory[2]), kHistory[2])));
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 3);

    // Without Wednesday draws a step back from the newest (a Wednesday) skips the Wednesday
    // before the Saturday too.
    window.control<QCheckBox>(QStringLiteral("CheckBox17"))->setChecked(false);
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 2);
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 0);
    QCOMPARE(end->date(), dateOf(kHistory[0]));
    QTest::mouseClick(back, Qt::LeftButton); // the oldest stays
    QCOMPARE(window.currentIndex(), 0);

    // The Joker tab's buttons step the same browser.
    QTest::mouseClick(window.control<QToolButton>(QStringLiteral("SpeedButton18")), Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 2);
    QTest::mouseClick(window.control<QToolButton>(QStringLiteral("SpeedButton30")), Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 0);

    // The evaluation button selects by the date in the picker, whatever the boxes say.
    end->setDate(dateOf(kHistory[1]).addDays(-1));
    QTest::mouseClick(window.control<QAbstractButton>(QStringLiteral("SpeedButton5")), Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 1);
    end->setDate(QDate(2030, 1, 1));
    QTest::mouseClick(window.control<QAbstractButton>(QStringLiteral("SpeedButton5")), Qt::LeftButton);
    QCOMPARE(window.currentIndex(), 3);
    QCOMPARE(end->date(), dateOf(kHistory[3]));
}

void TipSheetTest::typingNormalisesTheField_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("typed"); // after typing key by key
    QTest::addColumn<QString>("set");   // after putting it in whole, as the settings do
    QTest::newRow("leading zero") << QStringLiteral("07") << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("largest") << QStringLiteral("42") << QStringLiteral("42") << QStringLiteral("42");
    QTest::newRow("too large") << QStringLiteral("43") << QString() << QString();
    QTest::newRow("zero") << QStringLiteral("0") << QString() << QString();
    QTest::newRow("letter") << QStringLiteral("x") << QString() << QString();
    // The sign alone is no number, so typing drops it; whole, -5 is below 1.
    QTest::newRow("negative") << QStringLiteral("-5") << QStringLiteral("5") << QString();
}

void TipSheetTest::typingNormalisesTheField() {
    QFETCH(QString, input);
    QFETCH(QString, typed);
    QFETCH(QString, set);
    LottoZahlen &window = start();
    QLineEdit *field = window.sheet().tipField(0, 0);
    QTest::keyClicks(field, input);
    QCOMPARE(field->text(), typed);
    QLineEdit *other = window.sheet().tipField(13, 5);
    other->setText(input);
    QCOMPARE(other->text(), set);
}

void TipSheetTest::lockedRowsSurviveClearing() {
    LottoZahlen &window = start();
    window.sheet().setCheckEnabled(false);
    for (int row = 0; row < kTipRowCount; ++row)
        fillRow(window, row,
                {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                 QStringLiteral("5"), QString::number(6 + row)},
                QStringLiteral("3"));
    window.sheet().setCheckEnabled(true);
    QTest::mouseClick(window.control(QStringLiteral("Label31")), Qt::LeftButton); // row 3
    QTest::mouseClick(window.control(QStringLiteral("Label33")), Qt::LeftButton); // row 5
    QVERIFY(window.sheet().isRowLocked(2) && window.sheet().isRowLocked(4));
    QCOMPARE(textColour(window.control(QStringLiteral("Label31"))), QColor(255, 0, 0));

    auto *clear = window.control<QAbstractButton>(QStringLiteral("Loeschen"));
    m_prompts->answer(false);
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(m_prompts->asked().back().caption, window.message(Msg::ClearTipsCaption));
    QCOMPARE(m_prompts->asked().back().text, window.message(Msg::ClearTipsQuestion));
    QCOMPARE(rowTexts(window, 0).join(QLatin1Char(' ')), QStringLiteral("1 2 3 4 5 6"));

    m_prompts->answer(true);
    QTest::mouseClick(clear, Qt::LeftButton);
    for (int row = 0; row < kTipRowCount; ++row) {
        const bool kept = row == 2 || row == 4;
        const QString lucky =
            window.control<QComboBox>(QString::fromLatin1(kTipRows[static_cast<std::size_t>(row)].lucky))
                ->currentText();
        QCOMPARE(rowTexts(window, row).join(QString()).isEmpty(), !kept);
        QCOMPARE(lucky, kept ? QStringLiteral("3") : QStringLiteral("-"));
        QCOMPARE(resultLabel(window, row)->text().isEmpty(), !kept);
    }

    // A second click unlocks.
    QTest::mouseClick(window.control(QStringLiteral("Label31")), Qt::LeftButton);
    QVERIFY(!window.sheet().isRowLocked(2));
    QCOMPARE(textColour(window.control(QStringLiteral("Label31"))),
             QApplication::palette().color(QPalette::WindowText));
}

void TipSheetTest::checkColoursTheMainExample() {
    LottoZahlen &window = start(); // newest draw: 3 11 17 25 33 40, bonus 8, lucky 5
    const int soundsBefore = window.sound().requests();
    window.sheet().setCheckEnabled(false);
    fillRow(window, 0,
            {QStringLiteral("40"), QStringLiteral("3"), QStringLiteral("25"), QStringLiteral("8"),
             QStringLiteral("12"), QStringLiteral("17")},
            QStringLiteral("5"));
    fillRow(window, 1,
            {QStringLiteral("3"), QStringLiteral("11"), QStringLiteral("1"), QStringLiteral("2"),
             QStringLiteral("4"), QStringLiteral("5")});
    fillRow(window, 2,
            {QStringLiteral("3"), QStringLiteral("11"), QStringLiteral("17"), QStringLiteral("2"),
             QStringLiteral("4"), QStringLiteral("5")},
            QStringLiteral("1"));
    fillRow(window, 3,
            {QStringLiteral("3"), QStringLiteral("11"), QString(), QStringLiteral("2"), QStringLiteral("4"),
             QStringLiteral("5")},
            QStringLiteral("5"));
    window.sheet().setCheckEnabled(true);
    window.Komplettcheck();

    QCOMPARE(rowTexts(window, 0).join(QLatin1Char(' ')), QStringLiteral("3 8 12 17 25 40"));
    const QColor lime(0, 255, 0), yellow(255, 255, 0),
        neutral = QApplication::palette().color(QPalette::Base);
    const QColor expected[] = {lime, yellow, neutral, lime, lime, lime};
    for (int c = 0; c < 6; ++c)
        QCOMPARE(background(window.sheet().tipField(0, c)), expected[c]);
    QCOMPARE(resultLabel(window, 0)->text(), QStringLiteral("4 + Z + G"));
    QCOMPARE(textColour(resultLabel(window, 0)), QColor(255, 0, 0));
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label36"))->text(), QStringLiteral("105"));

    QCOMPARE(resultLabel(window, 1)->text(), QStringLiteral("2"));
    QCOMPARE(textColour(resultLabel(window, 1)), QColor(0, 0, 0));
    QCOMPARE(resultLabel(window, 2)->text(), QStringLiteral("3"));
    QCOMPARE(textColour(resultLabel(window, 2)), QColor(255, 0, 0));

    // An incomplete row: neutral, no labels, lucky box back to "-".
    QCOMPARE(background(window.sheet().tipField(3, 0)), neutral);
    QVERIFY(resultLabel(window, 3)->text().isEmpty());
    QVERIFY(window.control<QLabel>(QStringLiteral("Label39"))->text().isEmpty());
    QCOMPARE(window.control<QComboBox>(QStringLiteral("ComboBox4"))->currentText(), QStringLiteral("-"));

    QCOMPARE(window.sound().requests() - soundsBefore, 2); // rows 1 and 3
    QCOMPARE(window.sheet().hitTally().at(4, true), 1u);
    QCOMPARE(window.sheet().hitTally().at(2, false), 1u);
    QCOMPARE(window.sheet().hitTally().at(3, false), 1u);
}

void TipSheetTest::leavingAFieldChecksOnlyWhenEnabled() {
    LottoZahlen &window = start();
    QLineEdit *other = window.sheet().tipField(1, 0);
    const QStringList tip{QStringLiteral("40"), QStringLiteral("3"),  QStringLiteral("25"),
                          QStringLiteral("8"),  QStringLiteral("12"), QStringLiteral("17")};

    window.sheet().setCheckEnabled(false);
    fillRow(window, 0, tip);
    window.sheet().tipField(0, 5)->setFocus();
    other->setFocus();
    QCOMPARE(rowTexts(window, 0), tip);
    QVERIFY(resultLabel(window, 0)->text().isEmpty());
    window.Komplettcheck();
    QVERIFY(resultLabel(window, 0)->text().isEmpty());
    QCOMPARE(window.sheet().hitTally(), HitTally{});

    window.sheet().setCheckEnabled(true);
    window.sheet().tipField(0, 5)->setFocus();
    other->setFocus();
    QCOMPARE(resultLabel(window, 0)->text(), QStringLiteral("4 + Z"));
}

void TipSheetTest::replayAndJokerResults() {
    LottoZahlen &window = start(); // newest: Replay 7, Joker 4 8 2 9 1 5
    auto *label = window.control<QLabel>(QStringLiteral("Losnummer"));

    m_prompts->answer(true, QStringLiteral("7"));
    QTest::mouseClick(label, Qt::LeftButton);
    const Prompts::Request &asked = m_prompts->asked().back();
    QCOMPARE(asked.kind, Prompts::Kind::Input);
    QCOMPARE(asked.caption, window.message(Msg::EnterReplay));
    QCOMPARE(asked.text, window.message(Msg::ReplayCaption) + QStringLiteral(": "));
    QCOMPARE(label->text(), window.message(Msg::ReplayCaption) + QStringLiteral(": 7"));
    window.Komplettcheck();
    QCOMPARE(textColour(label), QColor(255, 0, 0));

    JokerTicket &joker = window.jokerNumbers().tickets[0];
    joker.enabled = true;
    joker.digits = {1, 0, 2, 9, 1, 5};
    window.Komplettcheck();
    QCOMPARE(label->text(), QStringLiteral("Joker1: --2915"));
    QCOMPARE(textColour(label), QColor(255, 0, 0));

    // A Replay number that is no integer suppresses both results.
    m_prompts->answer(true, QStringLiteral("x"));
    QTest::mouseClick(label, Qt::LeftButton);
    window.Komplettcheck();
    QCOMPARE(label->text(), window.message(Msg::ReplayCaption) + QStringLiteral(": x"));
}

void TipSheetTest::editButtonWalksTheRowsFields() {
    LottoZahlen &window = start();
    QString caption;
    std::vector<int> shown;
    window.sheet().setTipEditor([&](const QString &dialogCaption, const std::vector<int> &ticked) {
        caption = dialogCaption;
        shown = ticked;
        return std::optional<std::vector<int>>(std::vector<int>{40, 5, 9});
    });
    window.sheet().setCheckEnabled(false);
    fillRow(window, 12,
            {QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("23"), QStringLiteral("30"),
             QStringLiteral("31"), QStringLiteral("40")});
    QTest::mouseClick(window.control(QStringLiteral("SpeedButton19")), Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral("13. ") + window.message(Msg::TipWord));
    QCOMPARE(shown, (std::vector<int>{5, 9, 23, 30, 31, 40}));
    QCOMPARE(window.control<QLineEdit>(QStringLiteral("Edit96"))->text(), QStringLiteral("5"));
    // Places beyond the chosen numbers are emptied: an old 40 there would repeat the chosen one.
    QCOMPARE(rowTexts(window, 12), (QStringList{QStringLiteral("5"), QStringLiteral("9"),
                                                QStringLiteral("40"), QString(), QString(), QString()}));

    // The walk ends at the first empty field; a cancelled dialog changes nothing.
    window.sheet().setTipEditor([&](const QString &, const std::vector<int> &ticked) {
        shown = ticked;
        return std::optional<std::vector<int>>();
    });
    window.control<QLineEdit>(QStringLiteral("Edit101"))->clear();
    fillRow(window, 13,
            {QStringLiteral("1"), QStringLiteral("2"), QString(), QStringLiteral("4"), QStringLiteral("5"),
             QStringLiteral("6")});
    QTest::mouseClick(window.control(QStringLiteral("SpeedButton20")), Qt::LeftButton);
    QCOMPARE(shown, (std::vector<int>{1, 2}));
    QCOMPARE(window.control<QLineEdit>(QStringLiteral("Edit97"))->text(), QStringLiteral("1"));
}

void TipSheetTest::retypingARowFieldByFieldKeepsItsNumbers() {
    LottoZahlen &window = start();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    fillRow(window, 0,
            {QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("24"),
             QStringLiteral("37"), QStringLiteral("40")});
    window.Komplettcheck();

    // Overwritten field by field, Tab between the fields: the row is checked (and sorted) only
    // when the focus leaves it, so every typed number stays where it was typed until then.
    window.sheet().tipField(0, 0)->setFocus(Qt::TabFocusReason);
    const QStringList typed{QStringLiteral("40"), QStringLiteral("1"),  QStringLiteral("24"),
                            QStringLiteral("37"), QStringLiteral("12"), QStringLiteral("14")};
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(QApplication::focusWidget(), window.sheet().tipField(0, c));
        QTest::keyClicks(QApplication::focusWidget(), typed.at(c));
        QCOMPARE(rowTexts(window, 0).mid(0, c + 1), typed.mid(0, c + 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(rowOf(window, QApplication::focusWidget()) < 0); // the Tab left the row
    QCOMPARE(rowTexts(window, 0).join(QLatin1Char(' ')), QStringLiteral("1 12 14 24 37 40"));
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label36"))->text(), QStringLiteral("128"));

    // Moving to another row checks too.
    window.sheet().tipField(0, 5)->setFocus(Qt::MouseFocusReason);
    window.sheet().tipField(0, 5)->selectAll();
    QTest::keyClicks(window.sheet().tipField(0, 5), QStringLiteral("3"));
    window.sheet().tipField(1, 0)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(rowTexts(window, 0).join(QLatin1Char(' ')), QStringLiteral("1 3 12 14 24 37"));
}

void TipSheetTest::repeatedNumbersCountOnceAndWarn() {
    LottoZahlen &window = start({makeDraw("2024-03-06", {5, 6, 18, 24, 35, 42})});
    fillRow(window, 0,
            {QStringLiteral("24"), QStringLiteral("5"), QStringLiteral("18"), QStringLiteral("5"),
             QStringLiteral("24"), QStringLiteral("18")});
    window.Komplettcheck();

    QCOMPARE(rowTexts(window, 0).join(QLatin1Char(' ')), QStringLiteral("5 5 18 18 24 24"));
    const QColor lime(0, 255, 0);
    QCOMPARE(resultLabel(window, 0)->text(), QStringLiteral("3"));
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(background(window.sheet().tipField(0, c)),
                 c % 2 == 0 ? lime : TipSheetPanel::kRepeatedColour);
    }
}

void TipSheetTest::withoutADrawRowsShowNoResult() {
    // An empty history: the current draw is the all-zero record, which is no draw to score against.
    LottoZahlen &window = start({});
    const int soundsBefore = window.sound().requests();
    fillRow(window, 0,
            {QStringLiteral("40"), QStringLiteral("3"), QStringLiteral("25"), QStringLiteral("8"),
             QStringLiteral("12"), QStringLiteral("17")},
            QStringLiteral("5"));
    window.Komplettcheck();

    QCOMPARE(rowTexts(window, 0).join(QLatin1Char(' ')), QStringLiteral("3 8 12 17 25 40"));
    QVERIFY(resultLabel(window, 0)->text().isEmpty());
    QCOMPARE(window.control<QLabel>(QStringLiteral("Label36"))->text(), QStringLiteral("105"));
    const QColor neutral = QApplication::palette().color(QPalette::Base);
    for (int c = 0; c < 6; ++c)
        QCOMPARE(background(window.sheet().tipField(0, c)), neutral);
    QCOMPARE(window.sheet().hitTally(), HitTally{});
    QCOMPARE(window.sound().requests(), soundsBefore);

    // Once the history holds a draw, the same row scores again.
    m_home->writeDraws(kHistory);
    QTest::mouseClick(window.control(QStringLiteral("SpeedButton5")), Qt::LeftButton);
    QCOMPARE(resultLabel(window, 0)->text(), QStringLiteral("4 + Z + G"));
}

QTEST_MAIN(TipSheetTest)
#include "tipsheet_test.moc"
