#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QChart>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <numeric>

#include "app/charts/chartcontroller.h"
#include "app/charts/distributionview.h"
#include "app/charts/statisticschart.h"
#include "appfixture.h"
#include "core/base/calendar.h"
#include "core/history/drawfile.h"

using namespace quorix;
using namespace Qt::StringLiterals;

namespace {

// Three Saturday draws with cross sums 21, 107 and 142 and lucky numbers 2, 5, 5.
std::vector<Draw> sampleDraws() {
    using testing::makeDraw;
    return {makeDraw("2020-01-04", {1, 2, 3, 4, 5, 6}, 7, 2),
            makeDraw("2020-01-11", {5, 6, 7, 8, 40, 41}, 0, 5),
            makeDraw("2020-01-18", {2, 11, 20, 29, 38, 42}, 13, 5)};
}

StatisticsWindow sampleWindow() {
    return {serialFromYmd(2019, 1, 1), serialFromYmd(2020, 12, 31), true, true};
}

QString message(Msg m) {
    return u"m"_s + QString::number(messageIndex(m));
}

QList<qreal> barValues(const StatisticsChart &chart) {
    QList<qreal> values;
    for (int i = 0; i < chart.barSet()->count(); ++i)
        values.append(chart.barSet()->at(i));
    return values;
}

QList<int> redBars(const StatisticsChart &chart) {
    QList<int> bars = chart.barSet()->selectedBars();
    std::sort(bars.begin(), bars.end());
    return bars;
}

QList<int> primeIndexes(int firstX, int count) {
    QList<int> result;
    for (int i = 0; i < count; ++i)
        if (isPrimeNumber(firstX + i)) result.append(i);
    return result;
}

} // namespace

class ChartsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void barsColoursAndValueAxis_data();
    void barsColoursAndValueAxis();
    void titlesFromMessages();
    void collapsedAxisAndEmptyWindow();
    void emptyHistoryKeepsTheAxisTitleOnOneLine();
    void controllerRunsFromControls();
    void controllerReportsMissingFile();
    void distributionView();
    void labelsMakeRoom();
    void jokerChart();
};

void ChartsTest::barsColoursAndValueAxis_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("bars");
    QTest::addColumn<int>("firstX");
    QTest::addColumn<bool>("primesRed");
    QTest::addColumn<bool>("automatic");
    using K = StatisticKind;
    QTest::newRow("Frequency") << int(K::Frequency) << 42 << 1 << true << false;
    QTest::newRow("Outstanding") << int(K::Outstanding) << 42 << 1 << true << false;
    QTest::newRow("Pairs") << int(K::Pairs) << 41 << 1 << false << false;
    QTest::newRow("Triples") << int(K::Triples) << 40 << 1 << false << false;
    QTest::newRow("Quadruples") << int(K::Quadruples) << 42 << 1 << false << true;
    QTest::newRow("CrossSums") << int(K::CrossSums) << (164 - 21 + 1) << 21 << false << true;
    QTest::newRow("PrimesPerDraw") << int(K::PrimesPerDraw) << 7 << 0 << false << false;
    QTest::newRow("OddPerDraw") << int(K::OddPerDraw) << 7 << 0 << false << false;
    QTest::newRow("EvenPerDraw") << int(K::EvenPerDraw) << 7 << 0 << false << false;
    QTest::newRow("LuckyFrequency") << int(K::LuckyFrequency) << 6 << 1 << false << false;
    QTest::newRow("LuckyOutstanding") << int(K::LuckyOutstanding) << 6 << 1 << false << false;
}

void ChartsTest::barsColoursAndValueAxis() {
    QFETCH(int, kind);
    QFETCH(int, bars);
    QFETCH(int, firstX);
    QFETCH(bool, primesRed);
    QFETCH(bool, automatic);

    auto draws = sampleDraws();
    draws.back().numbers = {21, 22, 23, 24, 37, 37}; // stretch the cross sums: 21 .. 164
    draws.front().numbers = {1, 2, 3, 4, 5, 6};
    const NumberStatistics stats = computeStatistic(StatisticKind(kind), sampleWindow(), draws);

    QChart chart;
    StatisticsChart view(&chart, message);
    view.show(stats);

    QCOMPARE(view.barSet()->count(), bars);
    QCOMPARE(stats.entries.front().x, firstX);
    // Each label on the category axis stands at the bar of its class value.
    const QStringList labels = view.categoryAxis()->categoriesLabels();
    QVERIFY(!labels.isEmpty());
    for (const QString &label : labels) {
        const auto position = std::size_t(view.categoryAxis()->endValue(label));
        QCOMPARE(label, QString::number(stats.entries.at(position).x));
    }
    for (int i = 0; i < bars; ++i)
        QCOMPARE(view.barSet()->at(i), qreal(stats.entries[std::size_t(i)].y));
    QCOMPARE(redBars(view), primesRed ? primeIndexes(firstX, bars) : QList<int>());
    QCOMPARE(view.barSet()->color(), StatisticsChart::kGreen);
    QCOMPARE(view.barSet()->selectedColor(), StatisticsChart::kRed);

    QVERIFY(view.series()->isVisible());
    auto *series1 = chart.findChild<QBarSeries *>(u"Series1"_s);
    QVERIFY(series1 && !series1->isVisible());
    QVERIFY(!chart.legend()->isVisible());
    QVERIFY(chart.title().isEmpty());

    const double lo = view.valueAxis()->min();
    const double hi = view.valueAxis()->max();
    if (automatic) {
        QVERIFY(lo <= 0);
        QVERIFY(hi >= *stats.maxCount);
    } else {
        QVERIFY(*stats.minCount < *stats.maxCount);
        QCOMPARE(lo, double(*stats.minCount));
        QCOMPARE(hi, double(*stats.maxCount));
    }
}

void ChartsTest::titlesFromMessages() {
    const auto draws = sampleDraws();
    const auto title = [&](StatisticKind kind) {
        return StatisticsChart::axisTitle(computeStatistic(kind, sampleWindow(), draws), message);
    };
    // Cross sums 21, 107, 142: average 90. Pairs from 1..5, then 5, 6, 7 and 40: 9.
    QCOMPARE(title(StatisticKind::Frequency), u"m0     m1: 3    m2: 90"_s);
    QCOMPARE(title(StatisticKind::CrossSums), u"m13     m1: 3    m14: 90"_s);
    QCOMPARE(title(StatisticKind::Pairs), u"m1: 3     m9 m10 : 9"_s);
    QCOMPARE(title(StatisticKind::Triples), u"m1: 3     m11 m10 : 6"_s);
    QCOMPARE(title(StatisticKind::Quadruples), u"m1: 3     m15 m10 : 4"_s);
    // Of 18 numbers: primes 2,3,5 + 5,7,41 + 2,11,29 = 9, odd 3 + 3 + 2 = 8, even 10.
    QCOMPARE(title(StatisticKind::PrimesPerDraw), u"m44 3 m1. 50% m45."_s);
    QCOMPARE(title(StatisticKind::OddPerDraw), u"m46 3 m1.  44% m47."_s);
    QCOMPARE(title(StatisticKind::EvenPerDraw), u"m48 3 m1.  56% m49."_s);
    QCOMPARE(title(StatisticKind::Outstanding), u"m28"_s);
    QCOMPARE(title(StatisticKind::LuckyFrequency), u"m3"_s);
    QCOMPARE(title(StatisticKind::LuckyOutstanding), u"m38"_s);
}

void ChartsTest::collapsedAxisAndEmptyWindow() {
    // A window that admits no draw: every count at its start value, no average to show.
    StatisticsWindow none = sampleWindow();
    none.saturday = none.wednesday = false;
    const NumberStatistics stats = computeStatistic(StatisticKind::Frequency, none, sampleDraws());
    QChart chart;
    StatisticsChart view(&chart, message);
    view.show(stats);
    QCOMPARE(view.barSet()->count(), 42);
    QCOMPARE(StatisticsChart::axisTitle(stats, message), u"m0     m1: 0    m2: -"_s);
    // Shown with the blanks kept: runs of blanks do not fold into one on the axis.
    QCOMPARE(view.categoryAxis()->titleText(), u"m0 \u00a0\u00a0\u00a0\u00a0m1: 0 \u00a0\u00a0\u00a0m2: -"_s);
    QCOMPARE(view.valueAxis()->min(), 0.0);
    QVERIFY(view.valueAxis()->max() > 0.0);

    const NumberStatistics outstanding = computeStatistic(StatisticKind::Outstanding, none, sampleDraws());
    view.show(outstanding); // all counts 1
    QCOMPARE(view.valueAxis()->min(), 0.0);
    QCOMPARE(view.valueAxis()->max(), 1.0);
}

void ChartsTest::emptyHistoryKeepsTheAxisTitleOnOneLine() {
    // No draws at all: no bars, no average. The chart still lays itself out, with the axis title
    // as one line under the plot, shortened where the chart is too narrow for it.
    const MessageLookup longMessages = [](Msg m) {
        return m == Msg::CrossSumsTitle ? u"Verteilung der Quersummen"_s
               : m == Msg::Draws        ? u"Ziehungen"_s
                                        : u"Durchschnittliche Quersumme"_s;
    };
    const NumberStatistics stats = computeStatistic(StatisticKind::CrossSums, sampleWindow(), {});
    for (int width : {700, 300}) {
        QChartView view;
        view.resize(width, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        StatisticsChart chart(view.chart(), longMessages);
        chart.show(stats);
        // The plot-area change is handled queued: wait until the title has been fitted to it and
        // the scene shows it.
        const auto titleFitted = [&] {
            const double plotWidth = view.chart()->plotArea().width();
            const QList<QGraphicsItem *> shown = view.scene()->items();
            return plotWidth > 0 &&
                   QFontMetricsF(chart.categoryAxis()->titleFont())
                           .horizontalAdvance(chart.categoryAxis()->titleText()) <= plotWidth &&
                   std::any_of(shown.begin(), shown.end(), [](QGraphicsItem *item) {
                       auto *text = dynamic_cast<QGraphicsTextItem *>(item);
                       return text && text->toPlainText().startsWith(u"Verteilung"_s);
                   });
        };
        QTRY_VERIFY(titleFitted());
        QVERIFY(chart.valueAxis()->max() > chart.valueAxis()->min());
        const QRectF plot = view.chart()->plotArea();
        QVERIFY(plot.width() > 0);
        const QString title = chart.categoryAxis()->titleText();
        QCOMPARE(title.endsWith(QChar(0x2026)), width == 300);
        QVERIFY(QFontMetricsF(chart.categoryAxis()->titleFont()).horizontalAdvance(title) <= plot.width());

        const QList<QGraphicsItem *> items = view.scene()->items();
        const auto titleItem = std::find_if(items.begin(), items.end(), [](QGraphicsItem *item) {
            auto *text = dynamic_cast<QGraphicsTextItem *>(item);
            return text && text->toPlainText().startsWith(u"Verteilung"_s);
        });
        QVERIFY(titleItem != items.end());
        const QRectF box = (*titleItem)->sceneBoundingRect();
        QVERIFY2(box.top() >= plot.bottom(), "the title stands under the plot");
        QVERIFY2(box.height() < 2 * QFontMetricsF(chart.categoryAxis()->titleFont()).lineSpacing(),
                 "one line");
    }
}

namespace {

// A stand-in for the main window: the tabs and a few controls.
struct FakeWindow {
    QWidget root;
    QTabWidget *tabs = new QTabWidget(&root);
    QWidget *lotto = new QWidget;
    QWidget *diagramm = new QWidget;
    QChart chart;
    std::unique_ptr<StatisticsChart> view;

    FakeWindow() {
        tabs->addTab(lotto, u"Lottotipp"_s);
        tabs->addTab(diagramm, u"Diagramm"_s);
        for (const char *name : {"Button2", "SpeedButton3", "SpeedButton200", "Button6"}) {
            auto *button = new QPushButton(lotto);
            button->setObjectName(QString::fromLatin1(name));
        }
        auto *label = new QLabel(u"Dreier, "_s, lotto);
        label->setObjectName(u"TriplesText"_s);
        view = std::make_unique<StatisticsChart>(&chart, message);
    }
    void showChartPage() { tabs->setCurrentWidget(diagramm); }
    // Connects every control whose name is a chart control's name; answers how many.
    int attach(ChartController &controller) {
        int attached = 0;
        for (QWidget *widget : root.findChildren<QWidget *>()) {
            for (const ChartControlName &entry : chartControlNames()) {
                if (widget->objectName() != QLatin1String(entry.name)) continue;
                if (auto *button = qobject_cast<QAbstractButton *>(widget))
                    controller.attach(button, entry.kind, entry.chartToFrontFirst);
                else
                    controller.attachText(widget, entry.kind, entry.chartToFrontFirst);
                ++attached;
            }
        }
        return attached;
    }
};

} // namespace

void ChartsTest::controllerRunsFromControls() {
    QTemporaryDir dir;
    std::filesystem::path path = dir.filePath(u"ZahlenCH.dat"_s).toStdString();
    QVERIFY(DrawFile(path).rewrite(sampleDraws()).ok());

    FakeWindow w;
    StatisticsWindow window = sampleWindow();
    ChartController controller(
        *w.view, {[&] { return window; }, [&] { return path; }, [&] { w.showChartPage(); }, {}});
    // Button6 (the tip distribution) is no chart control.
    QCOMPARE(w.attach(controller), 4);

    // The frequency button on the chart page does not switch pages (start-up relies on that).
    w.root.findChild<QPushButton *>(u"SpeedButton200"_s)->click();
    QCOMPARE(w.tabs->currentWidget(), w.lotto);
    QCOMPARE(w.view->barSet()->count(), 42);
    QCOMPARE(w.view->axisTitleText(), u"m0     m1: 3    m2: 90"_s);

    // "Paare suchen" shows the pairs and brings the chart to the front.
    w.root.findChild<QPushButton *>(u"Button2"_s)->click();
    QCOMPARE(w.tabs->currentWidget(), w.diagramm);
    QCOMPARE(w.view->barSet()->count(), 41);
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // The clickable text "Dreier, " by a left click.
    w.tabs->setCurrentWidget(w.lotto);
    QTest::mouseClick(w.root.findChild<QLabel *>(u"TriplesText"_s), Qt::LeftButton);
    QCOMPARE(w.view->barSet()->count(), 40);
    QCOMPARE(w.tabs->currentWidget(), w.diagramm);

    // "Plus+" with only the Wednesday box ticked: Saturday draws drop out, six empty bars.
    window.saturday = false;
    w.tabs->setCurrentWidget(w.lotto);
    w.root.findChild<QPushButton *>(u"SpeedButton3"_s)->click();
    QCOMPARE(w.tabs->currentWidget(), w.diagramm);
    QCOMPARE(barValues(*w.view), QList<qreal>(6, 0.0));
    QCOMPARE(w.view->axisTitleText(), u"m3"_s);

    // A statistic computed elsewhere is drawn the same way.
    w.tabs->setCurrentWidget(w.lotto);
    controller.present(computeStatistic(StatisticKind::Outstanding, sampleWindow(), sampleDraws()));
    QCOMPARE(w.view->barSet()->count(), 42);
    QCOMPARE(w.tabs->currentWidget(), w.diagramm);

    // The computation calls the operations directly and reads the result.
    window.saturday = true;
    const auto lucky = controller.SpeedButton3Click();
    QVERIFY(lucky);
    QCOMPARE(lucky->entries[4].y, 2); // lucky number 5 twice
}

void ChartsTest::controllerReportsMissingFile() {
    FakeWindow w;
    QStringList errors;
    bool switched = false;
    ChartController controller(
        *w.view, {[] { return sampleWindow(); },
                  [] { return std::filesystem::path("/nonexistent/ZahlenCH.dat"); }, [&] { switched = true; },
                  [&](const Error &error) { errors << QString::fromStdString(error.message); }});
    w.view->show(computeStatistic(StatisticKind::Frequency, sampleWindow(), sampleDraws()));
    QVERIFY(!controller.Button2Click());
    QCOMPARE(errors.size(), 1);
    QVERIFY(!errors.front().isEmpty());
    QCOMPARE(w.view->barSet()->count(), 0); // cleared before the run, not refilled
    QVERIFY(!switched);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void ChartsTest::distributionView() {
    FakeWindow w;
    TipSheet sheet;
    sheet.rows[0].numbers = {"1", "2", "3", "4", "5", "6"};
    sheet.rows[1].numbers = {"2", "3", "5", "7", "11", "42"};
    sheet.rows[2].numbers = {"", "9", "9", "9", "9", "9"}; // the gap ends the reading
    DistributionView view(*w.view, message, {[&] { return sheet; }, [&] { w.showChartPage(); }});
    view.attach(w.root.findChild<QPushButton *>(u"Button6"_s));
    w.root.findChild<QPushButton *>(u"Button6"_s)->click();

    QCOMPARE(w.tabs->currentWidget(), w.diagramm);
    QCOMPARE(w.view->barSet()->count(), 42);
    QCOMPARE(w.view->barSet()->at(1), 2.0);  // number 2
    QCOMPARE(w.view->barSet()->at(41), 1.0); // number 42
    QCOMPARE(w.view->barSet()->at(8), 0.0);  // 9 was never reached
    QCOMPARE(redBars(*w.view), primeIndexes(1, 42));
    QCOMPARE(w.view->valueAxis()->min(), 0.0);
    QCOMPARE(w.view->valueAxis()->max(), 2.0);
    QCOMPARE(w.view->axisTitleText(), u"m29"_s);

    // Every number at least once: the axis starts at the smallest count, not at 0.
    for (int r = 0; r < 7; ++r)
        for (int i = 0; i < 6; ++i)
            sheet.rows[std::size_t(r)].numbers[std::size_t(i)] = std::to_string(r * 6 + i + 1);
    sheet.rows[7].numbers = {"1", "2", "3", "4", "5", "6"};
    const TipDistribution d = view.Button6Click();
    QCOMPARE(d.total, 48);
    QCOMPARE(w.view->valueAxis()->min(), 1.0);
    QCOMPARE(w.view->valueAxis()->max(), 2.0);
}

void ChartsTest::labelsMakeRoom() {
    const std::vector<int> numbers{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                   15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                                   29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42};
    QCOMPARE(StatisticsChart::labelStep(numbers, 1400), 1);
    QCOMPARE(StatisticsChart::labelStep(numbers, 520), 2);
    std::vector<int> sums(144);
    std::iota(sums.begin(), sums.end(), 58);
    QCOMPARE(StatisticsChart::labelStep(sums, 520), 10);
    QCOMPARE(StatisticsChart::labelStep({0, 1, 2, 3, 4, 5, 6}, 520), 1);
}

void ChartsTest::jokerChart() {
    QChart chart;
    setUpJokerChart(&chart);
    auto *series = chart.findChild<QBarSeries *>(u"Series3"_s);
    QVERIFY(series);
    QCOMPARE(series->count(), 1);
    QCOMPARE(series->barSets().front()->color(), StatisticsChart::kGreen);
    // The title's two lines are messages, shown as plain text.
    setJokerChartTitle(&chart, [](Msg message) {
        return message == Msg::JokerChartHint ? u"Nie gezogen & selten"_s : u"Mehr \"A=>B\""_s;
    });
    QCOMPARE(chart.title(), u"Nie gezogen &amp; selten<br>Mehr &quot;A=&gt;B&quot;"_s);
}

QTEST_MAIN(ChartsTest)
#include "charts_test.moc"
