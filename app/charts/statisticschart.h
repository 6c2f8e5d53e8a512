#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QColor>
#include <QMetaObject>
#include <QString>

#include "core/text/messages.h"
#include "core/statistics/jokerstatistics.h"
#include "core/statistics/statistics.h"

QT_BEGIN_NAMESPACE
class QChart;
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QValueAxis;
QT_END_NAMESPACE

namespace quorix {

// A message of the current language's message table.
using MessageLookup = std::function<QString(Msg)>;

// One bar as the chart shows it.
struct ChartBar {
    int x = 0;
    int y = 0;
    bool red = false; // red instead of the series' own green
};

// How the value axis is scaled.
struct ValueRange {
    bool automatic = true;
    int minimum = 0; // used when not automatic
    int maximum = 0;
};

// The statistics chart (Chart1) of the "Diagramm" tab: one bar series in use (Series2, green,
// primes red where the kind asks for it), a second one (Series1) that every run switches off.
// It works on a chart owned by the window's chart view.
class StatisticsChart final {
public:
    static inline const QColor kGreen{0, 128, 0};
    static inline const QColor kRed{255, 0, 0};

    StatisticsChart(QChart *chart, MessageLookup messages);
    ~StatisticsChart();
    Q_DISABLE_COPY_MOVE(StatisticsChart)

    // Series2 on and empty, Series1 off; the titles stay.
    void clear();
    // Draws a statistic's bars, value axis and category-axis title.
    void show(const NumberStatistics &statistics);
    // The generic drawing both show() and the tip distribution use.
    void showBars(const std::vector<ChartBar> &bars, const ValueRange &range, const QString &axisTitle);

    // The category-axis title is built from messages: after a language change it is built anew
    // from what the chart shows. The title of bars shown through showBars comes from the source
    // set after them (none: the title stays).
    void setTitleSource(std::function<QString()> source) { m_titleSource = std::move(source); }
    void retranslate();

    // The category-axis title of a statistic, built from the messages.
    static QString axisTitle(const NumberStatistics &statistics, const MessageLookup &messages);
    // Bars and value axis of a statistic as they are drawn.
    static std::vector<ChartBar> barsOf(const NumberStatistics &statistics);
    static ValueRange valueRangeOf(const NumberStatistics &statistics);

    // Which class values get a label on the category axis: every multiple of the step, the
    // smallest step that leaves each label room at the given width of the plot area (no width
    // yet: a guess from the count).
    static int labelStep(const std::vector<int> &classValues, double plotWidth);

    // The category-axis title as built (the axis shows it with its blanks kept).
    const QString &axisTitleText() const { return m_axisTitle; }
    QChart *chart() const { return m_chart; }
    QBarSeries *series() const { return m_series2; }
    QBarSet *barSet() const { return m_set; }
    QCategoryAxis *categoryAxis() const { return m_categoryAxis; }
    QValueAxis *valueAxis() const { return m_valueAxis; }

private:
    void labelCategories();
    void fitAxisTitle();

    QChart *m_chart;
    MessageLookup m_messages;
    QBarSeries *m_series1 = nullptr;
    QBarSeries *m_series2 = nullptr;
    QBarSet *m_set = nullptr;
    QCategoryAxis *m_categoryAxis = nullptr;
    QValueAxis *m_valueAxis = nullptr;
    QString m_axisTitle;
    std::function<QString()> m_titleSource;
    std::vector<int> m_classValues; // x of each bar shown
    int m_labelStep = 0;
    QMetaObject::Connection m_resized;
};

// Sets up the Joker chart (Chart2) with its one bar series Series3, green, and answers the
// series, which the chart's owner keeps for showing the digits.
QBarSeries *setUpJokerChart(QChart *chart);
// The Joker chart's title: a hint on never-drawn numbers, in the current language.
void setJokerChartTitle(QChart *chart, const MessageLookup &messages);
// The category-axis title of a Joker digit statistic; the average is a dash without draws.
QString jokerAxisTitle(const JokerDigitStatistic &statistic, const MessageLookup &messages);
// Draws the ten digit counters on Series3: value axis from the smallest to the largest counter.
void showJokerDigits(QBarSeries *series, const JokerDigitStatistic &statistic, const QString &axisTitle);

} // namespace quorix
