// The "Joker" tab: position buttons and mode drawing the digit statistic on Chart2.
#include <QAbstractButton>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDateEdit>
#include <QRadioButton>
#include <QValueAxis>
#include <QtTest>

#include "app/mainwindow/mainwindow.h"
#include "appfixture.h"
#include "core/base/calendar.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

struct ShownWindow {
    struct Home : TempHome {
        Home() {
            writeDraws({makeDraw("2026-01-03", {1, 2, 3, 4, 5, 6}, 0, 1, 1, {4, 1, 2, 3, 4, 3}),
                        makeDraw("2026-01-07", {1, 2, 3, 4, 5, 6}, 0, 1, 1, {0, 0, 0, 0, 0, 0}),
                        makeDraw("2026-01-10", {1, 2, 3, 4, 5, 6}, 0, 1, 1, {9, 1, 2, 3, 5, 3}),
                        makeDraw("2026-01-14", {1, 2, 3, 4, 5, 6}, 0, 1, 1, {4, 1, 2, 3, 4, 7})});
        }
    } home;
    PromptScript prompts;
    LottoZahlen window;
    ShownWindow() { window.show(); }
};

QList<qreal> bars(QChart *chart) {
    QList<qreal> values;
    if (auto *series = chart->findChild<QBarSeries *>(u"Series3"_s)) {
        const QBarSet *set = series->barSets().front();
        for (qsizetype i = 0; i < set->count(); ++i)
            values.append(set->at(i));
    }
    return values;
}

QString axisTitle(QChart *chart) {
    for (QAbstractAxis *axis : chart->axes(Qt::Horizontal))
        return axis->titleText().replace(QChar(0xA0), u' ');
    return {};
}

} // namespace

class JokerTabTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void positionButtonsDrawTheDigitStatistic();
};

void JokerTabTest::positionButtonsDrawTheDigitStatistic() {
    ShownWindow shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    LottoZahlen &window = shown.window;
    window.ui().startDate->setDate(QDate(2026, 1, 1));
    window.ui().endDate->setDate(QDate(2026, 1, 31));
    QChart *chart = window.control<QChartView>(u"Chart2"_s)->chart();
    const QString title = chart->title();

    // Preset "ausstehend"; first digits 4, 9, 4 (the 000000 draw is skipped).
    QVERIFY(window.ui().jokerPositions[0]->isEnabled());
    QVERIFY(!window.ui().jokerOften->isChecked());
    QTest::mouseClick(window.ui().jokerPositions[0], Qt::LeftButton);
    QCOMPARE(bars(chart), (QList<qreal>{3, 3, 3, 3, 1, 3, 3, 3, 3, 2}));
    QCOMPARE(axisTitle(chart), window.message(Msg::DrawnNumbersTitle) + u"  "_s + window.message(Msg::Draws) +
                                   u": 3    "_s + window.message(Msg::AverageCrossSumAxis) + u": 6"_s);
    auto *values = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).front());
    QCOMPARE(values->min(), 1.0);
    QCOMPARE(values->max(), 3.0);
    QCOMPARE(chart->title(), title);

    // "wie oft", last digit: 3, 3, 7.
    window.ui().jokerOften->click();
    QVERIFY(window.ui().jokerOften->isChecked());
    QTest::mouseClick(window.ui().jokerPositions[5], Qt::LeftButton);
    QCOMPARE(bars(chart), (QList<qreal>{0, 0, 0, 2, 0, 0, 0, 1, 0, 0}));
    QVERIFY(axisTitle(chart).endsWith(u": 4"_s));

    // A start after the end moves to a year before the end.
    window.ui().startDate->setDate(QDate(2026, 6, 1));
    window.ui().endDate->setDate(QDate(2026, 1, 10));
    QTest::mouseClick(window.ui().jokerPositions[6], Qt::LeftButton);
    QCOMPARE(window.ui().startDate->date(), QDate(2026, 1, 10).addDays(-365));
    QCOMPARE(bars(chart), (QList<qreal>{0, 2, 2, 4, 2, 1, 0, 0, 0, 1}));

    // No draw counted: zero bars and a dash for the average.
    window.ui().startDate->setDate(QDate(2025, 1, 1));
    window.ui().endDate->setDate(QDate(2025, 2, 1));
    QTest::mouseClick(window.ui().jokerPositions[0], Qt::LeftButton);
    QCOMPARE(bars(chart), (QList<qreal>(10, 0)));
    QVERIFY(axisTitle(chart).endsWith(u": 0    "_s + window.message(Msg::AverageCrossSumAxis) + u": -"_s));
    QVERIFY(shown.prompts.asked().empty());
}

QTEST_MAIN(JokerTabTest)
#include "jokertab_test.moc"
