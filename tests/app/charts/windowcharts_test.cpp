// The charts, the number dialog and the tip distribution wired into the real main window.
#include <QAbstractButton>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <set>

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/numberdialog.h"
#include "app/charts/statisticschart.h"
#include "app/charts/chartspanel.h"
#include "appfixture.h"
#include "core/base/calendar.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

std::vector<Draw> fixtureDraws() {
    return {makeDraw("2026-01-03", {1, 2, 3, 4, 5, 6}, 7, 2),
            makeDraw("2026-01-07", {5, 6, 7, 8, 40, 41}, 0, 5),
            makeDraw("2026-01-10", {2, 11, 20, 29, 38, 42}, 13, 5)};
}

QString currentTab(const LottoZahlen &window) {
    return window.pages()->tabText(window.pages()->currentIndex());
}

// The main window on a program folder with the fixture draws, its boxes answered by a script.
struct ShownWindow {
    struct Home : TempHome {
        Home() { writeDraws(fixtureDraws()); }
    } home;
    PromptScript prompts;
    LottoZahlen window;
    ShownWindow() { window.show(); }
};

} // namespace

class WindowChartsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpDrawsTheFrequencyChart();
    void chartButtonsOfEveryPage();
    void tipEditThroughTheNumberDialog();
    void distributionOfTheSheet();
};

void WindowChartsTest::startUpDrawsTheFrequencyChart() {
    ShownWindow shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    LottoZahlen &window = shown.window;
    PromptScript &prompts = shown.prompts;

    StatisticsChart &chart = window.charts().chart();
    QCOMPARE(chart.chart(), window.control<QChartView>(u"Chart1"_s)->chart());
    QCOMPARE(chart.barSet()->count(), 42);
    QCOMPARE(chart.barSet()->at(4), 2.0); // number 5 in two draws
    QCOMPARE(chart.barSet()->selectedBars().size(), 13);
    QVERIFY(chart.axisTitleText().startsWith(window.message(Msg::DrawnNumbersTitle)));
    QCOMPARE(currentTab(window), u"Lottotipp"_s);
    QVERIFY(prompts.asked().empty());

    auto *joker = window.control<QChartView>(u"Chart2"_s)->chart();
    QVERIFY(joker->findChild<QObject *>(u"Series3"_s));
    QVERIFY(joker->title().contains(u"Berechnung=&gt;Allgemein"_s));

    // The statistics run over the pickers' dates and the ticked weekdays.
    window.control<QDateEdit>(u"DateTimePicker2"_s)->setDate(QDate(2019, 1, 1));
    window.control<QDateEdit>(u"DateTimePicker1"_s)->setDate(QDate(2020, 12, 31));
    window.control<QCheckBox>(u"CheckBox16"_s)->setChecked(false);
    const StatisticsWindow read = window.statisticsWindow();
    QCOMPARE(read.startDate, serialFromYmd(2019, 1, 1));
    QCOMPARE(read.endDate, serialFromYmd(2020, 12, 31));
    QVERIFY(!read.saturday);
    QVERIFY(read.wednesday);
}

void WindowChartsTest::chartButtonsOfEveryPage() {
    ShownWindow shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    LottoZahlen &window = shown.window;
    PromptScript &prompts = shown.prompts;
    StatisticsChart &chart = window.charts().chart();

    struct Case {
        const char *control;
        int bars;
        Msg titleMessage;
    };
    const Case cases[] = {{"Button2", 41, Msg::PairsTitle},
                          {"Button3", 40, Msg::TriplesTitle},
                          {"Button4", 42, Msg::QuadruplesTitle},
                          {"Button5", 42, Msg::OutstandingTitle},
                          {"Button8", 6, Msg::LuckyOutstandingTitle},
                          {"Button9", 7, Msg::PrimesPerDrawTitle},
                          {"Button10", 7, Msg::OddPerDrawTitle},
                          {"Button11", 7, Msg::EvenPerDrawTitle},
                          {"SpeedButton9", 142 - 21 + 1, Msg::CrossSumsTitle},
                          {"SpeedButton3", 6, Msg::LuckyFrequencyTitle},
                          {"SpeedButton205", 6, Msg::LuckyOutstandingTitle},
                          {"SpeedButton201", 41, Msg::PairsTitle},
                          {"SpeedButton200", 42, Msg::DrawnNumbersTitle},
                          // the small buttons and clickable texts of the "Berechnung" pages
                          {"SpeedButton26", 42, Msg::DrawnNumbersTitle},
                          {"SpeedButton17", 142 - 21 + 1, Msg::CrossSumsTitle},
                          {"CrossSumsText", 142 - 21 + 1, Msg::CrossSumsTitle},
                          {"PairsText", 41, Msg::PairsTitle},
                          {"SpeedButton29", 7, Msg::PrimesPerDrawTitle},
                          {"Superselten", 6, Msg::LuckyFrequencyTitle},
                          {"SuperAus", 6, Msg::LuckyOutstandingTitle}};
    // A name may stand for several controls (the frequency button twice on "Statistisch").
    const auto secondFrequency = window.findChildren<QAbstractButton *>(u"SpeedButton26"_s);
    QCOMPARE(secondFrequency.size(), 2);
    window.control<QAbstractButton>(u"Button2"_s)->click();
    secondFrequency.back()->click();
    QCOMPARE(chart.barSet()->count(), 42);

    for (const Case &c : cases) {
        window.pages()->setCurrentIndex(0);
        QWidget *control = window.control(QString::fromLatin1(c.control));
        QVERIFY2(control && control->isEnabled(), c.control);
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            button->click();
        else
            QTest::mouseClick(control, Qt::LeftButton);
        QCOMPARE(chart.barSet()->count(), c.bars);
        QVERIFY2(chart.axisTitleText().contains(window.message(c.titleMessage)), c.control);
        // Frequency and the tool bar's own buttons are on "Diagramm" already; the rest switch there.
        const QByteArray name(c.control);
        const bool switches = name != "SpeedButton200" && name != "SpeedButton9" && name != "SpeedButton26";
        QCOMPARE(currentTab(window), switches ? u"Diagramm"_s : u"Lottotipp"_s);
    }

    // A missing draw file: the error box, no chart.
    std::filesystem::remove(window.drawFile().path());
    window.control<QAbstractButton>(u"Button2"_s)->click();
    QCOMPARE(prompts.asked().size(), std::size_t(1));
    QCOMPARE(chart.barSet()->count(), 0);
}

void WindowChartsTest::tipEditThroughTheNumberDialog() {
    ShownWindow shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    LottoZahlen &window = shown.window;
    const std::array<int, 6> row{5, 9, 23, 30, 31, 40};
    // Without the tip check, which would sort the row afterwards, the dialog's write-back shows.
    window.sheet().setCheckEnabled(false);
    for (int i = 0; i < 6; ++i)
        window.sheet().tipField(0, i)->setText(QString::number(row[std::size_t(i)]));

    NumberDialog &dialog = window.charts().numberDialog();
    bool sawRow = false;
    QTimer::singleShot(0, &dialog, [&] {
        sawRow = dialog.tickedTipNumbers() == std::vector<int>(row.begin(), row.end()) && dialog.isMarked(23);
        QCOMPARE(dialog.windowTitle(), u"1. "_s + window.message(Msg::TipWord));
        for (int n : {23, 30, 31})
            dialog.entry(n)->click();
        dialog.okButton()->click();
    });
    window.control<QAbstractButton>(u"Tipp1Edit"_s)->click();
    QVERIFY(sawRow);
    QStringList texts;
    for (int i = 0; i < 6; ++i)
        texts << window.sheet().tipField(0, i)->text();
    // The places beyond the chosen numbers are emptied rather than left repeating one of them.
    QCOMPARE(texts, (QStringList{u"5"_s, u"9"_s, u"40"_s, QString(), QString(), QString()}));
    QCOMPARE(dialog.windowTitle(), window.message(Msg::NumberListTitle));
    QVERIFY(!dialog.randomButton()->isVisibleTo(&dialog));

    // The random run of row 14 fills its interleaved fields with six different numbers.
    QTimer::singleShot(0, &dialog, [&] {
        dialog.randomButton()->click();
        for (int i = 0; i < 6; ++i) {
            dialog.Timer1Timer();
            dialog.randomButton()->click();
        }
        dialog.okButton()->click();
    });
    window.control<QAbstractButton>(u"SpeedButton20"_s)->click();
    std::set<int> picked;
    for (int i = 0; i < 6; ++i)
        picked.insert(window.control<QLineEdit>(u"Edit"_s + QString::number(97 + 2 * i))->text().toInt());
    QCOMPARE(picked.size(), std::size_t(6));
    QVERIFY(*picked.begin() >= 1 && *picked.rbegin() <= 42);
}

void WindowChartsTest::distributionOfTheSheet() {
    ShownWindow shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.window));
    LottoZahlen &window = shown.window;
    for (int r = 0; r < 2; ++r)
        for (int i = 0; i < 6; ++i)
            window.sheet().tipField(r, i)->setText(QString::number(1 + i + r));
    window.control<QAbstractButton>(u"Button6"_s)->click();

    StatisticsChart &chart = window.charts().chart();
    QCOMPARE(currentTab(window), u"Diagramm"_s);
    QCOMPARE(chart.barSet()->count(), 42);
    QCOMPARE(chart.barSet()->at(1), 2.0); // 2 in both rows
    QCOMPARE(chart.barSet()->at(6), 1.0); // 7 in row 2 only
    QCOMPARE(chart.axisTitleText(), window.message(Msg::TipDistributionTitle));
}

QTEST_MAIN(WindowChartsTest)
#include "windowcharts_test.moc"
