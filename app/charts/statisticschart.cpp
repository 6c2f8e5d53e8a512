#include "app/charts/statisticschart.h"

#include <algorithm>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QValueAxis>

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

QString figure(const std::optional<int> &value) {
    // A figure the run could not compute (no draw in the window) shows as a dash.
    return value ? QString::number(*value) : QStringLiteral("-");
}

bool primesInRed(StatisticKind kind) {
    return kind == StatisticKind::Frequency || kind == StatisticKind::Outstanding;
}

QBarSeries *makeSeries(QChart *chart, const QString &name) {
    auto *series = new QBarSeries(chart);
    series->setObjectName(name);
    series->setLabelsVisible(false);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    return series;
}

// The axis title is laid out as rich text, which folds runs of blanks into one; the titles use
// such runs to set their parts apart, so every blank after the first of a run is made fixed.
QString keepBlanks(QString text) {
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i] == u' ' && (text[i - 1] == u' ' || text[i - 1] == QChar(0xA0))) text[i] = QChar(0xA0);
    return text;
}

// A round tick interval giving about five steps over the range.
int tickInterval(int range) {
    int magnitude = 1;
    while (magnitude * 10 <= range / 5)
        magnitude *= 10;
    for (int factor : {1, 2, 5, 10})
        if (magnitude * factor * 5 >= range) return magnitude * factor;
    return magnitude * 10;
}

void setRoundTicks(QValueAxis *axis, int minimum, int maximum) {
    const int interval = tickInterval(maximum - minimum);
    // Ticks on multiples of the interval, so the labels are round numbers.
    const int anchor =
        minimum >= 0 ? (minimum + interval - 1) / interval * interval : minimum / interval * interval;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(anchor);
    axis->setTickInterval(interval);
}

void setFixedRange(QValueAxis *axis, int minimum, int maximum) {
    axis->setRange(minimum, maximum);
    setRoundTicks(axis, minimum, maximum);
}

} // namespace

StatisticsChart::StatisticsChart(QChart *chart, MessageLookup messages)
    : m_chart(chart)
    , m_messages(std::move(messages)) {
    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    m_chart->setTitle(QString());
    m_chart->legend()->hide();

    m_series1 = makeSeries(m_chart, QStringLiteral("Series1"));
    m_series2 = makeSeries(m_chart, QStringLiteral("Series2"));
    m_set = new QBarSet(QString(), m_series2);
    m_set->setObjectName(QStringLiteral("Series2Bars"));
    m_set->setColor(kGreen);
    m_set->setBorderColor(kGreen);
    m_set->setSelectedColor(kRed);
    m_series2->append(m_set);

    // The bars sit at positions 0..n-1; a category axis on values carries their class values
    // as labels, so long ranges (cross sums) can be labelled sparsely instead of elided.
    m_categoryAxis = new QCategoryAxis(m_chart);
    m_categoryAxis->setObjectName(QStringLiteral("CategoryAxis"));
    m_categoryAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_categoryAxis->setGridLineVisible(false);
    QFont labelFont = m_categoryAxis->labelsFont();
    labelFont.setPixelSize(10);
    m_categoryAxis->setLabelsFont(labelFont);
    m_valueAxis = new QValueAxis(m_chart);
    m_valueAxis->setObjectName(QStringLiteral("ValueAxis"));
    m_valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(m_categoryAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    for (QBarSeries *series : {m_series1, m_series2}) {
        series->attachAxis(m_categoryAxis);
        series->attachAxis(m_valueAxis);
    }
    clear();
    // Labels follow the width: a larger window shows more of them.
    m_resized = QObject::connect(
        m_chart, &QChart::plotAreaChanged, m_chart,
        [this](const QRectF &area) {
            if (labelStep(m_classValues, area.width()) != m_labelStep) labelCategories();
            fitAxisTitle();
        },
        Qt::QueuedConnection); // not while the chart is laying itself out
}

StatisticsChart::~StatisticsChart() {
    QObject::disconnect(m_resized);
}

void StatisticsChart::clear() {
    m_series1->setVisible(false);
    m_series2->setVisible(true);
    m_set->deselectAllBars();
    if (m_set->count() > 0) m_set->remove(0, m_set->count());
    m_classValues.clear();
    labelCategories();
}

void StatisticsChart::labelCategories() {
    m_labelStep = labelStep(m_classValues, m_chart->plotArea().width());
    for (const QString &label : m_categoryAxis->categoriesLabels())
        m_categoryAxis->remove(label);
    for (std::size_t i = 0; i < m_classValues.size(); ++i)
        if (m_classValues[i] % m_labelStep == 0)
            m_categoryAxis->append(QString::number(m_classValues[i]), static_cast<double>(i));
    // An axis without categories gets no layout: its title lands in the chart's corner.
    if (m_categoryAxis->count() == 0) m_categoryAxis->append(u" "_s, m_categoryAxis->max());
}

void StatisticsChart::showBars(const std::vector<ChartBar> &bars, const ValueRange &range,
                               const QString &axisTitle) {
    clear();
    QList<qreal> values;
    QList<int> red;
    values.reserve(static_cast<qsizetype>(bars.size()));
    for (const ChartBar &bar : bars) {
        if (bar.red) red.append(static_cast<int>(values.size()));
        values.append(bar.y);
        m_classValues.push_back(bar.x);
    }
    m_categoryAxis->setStartValue(-0.5);
    m_categoryAxis->setRange(-0.5, std::max<double>(0.5, static_cast<double>(bars.size()) - 0.5));
    labelCategories();
    m_set->append(values);
    m_set->selectBars(red);

    if (range.automatic) {
        int highest = 0;
        int lowest = 0;
        for (const ChartBar &bar : bars) {
            highest = std::max(highest, bar.y);
            lowest = std::min(lowest, bar.y);
        }
        // From 0 to the next round value above the highest bar. Without bars above 0 (no
        // draws) the axis still spans one step: an empty range collapses the chart's layout.
        const int interval = tickInterval(std::max(highest - lowest, 1));
        const int top = lowest + (highest - lowest + interval - 1) / interval * interval;
        setFixedRange(m_valueAxis, lowest, std::max(top, lowest + interval));
    } else if (range.minimum < range.maximum) {
        setFixedRange(m_valueAxis, range.minimum, range.maximum);
    } else {
        // Equal counts give no range to spread: show them against 0 so the bars stay visible.
        const int lowest = std::min(0, range.minimum);
        const int highest = std::max(0, range.maximum);
        setFixedRange(m_valueAxis, lowest, highest > lowest ? highest : lowest + 1);
    }
    m_axisTitle = axisTitle;
    m_titleSource = {};
    fitAxisTitle();
}

// The axis lays a title wider than the plot area out in several lines, cut off below the chart;
// a title that does not fit is shortened to one line instead (before the first layout the width
// is unknown, and the title is set whole).
void StatisticsChart::fitAxisTitle() {
    const QString title = keepBlanks(m_axisTitle);
    const double width = m_chart->plotArea().width();
    const QString shown =
        width > 0 ? QFontMetricsF(m_categoryAxis->titleFont()).elidedText(title, Qt::ElideRight, width)
                  : title;
    if (shown != m_categoryAxis->titleText()) m_categoryAxis->setTitleText(shown);
}

int StatisticsChart::labelStep(const std::vector<int> &classValues, double plotWidth) {
    int digits = 1;
    for (int x : classValues)
        digits = std::max(digits, static_cast<int>(QString::number(x).size()));
    // Pixels a label needs before the axis elides it.
    const double room = 2.0 + 10.0 * digits;
    const double width = plotWidth > 0 ? plotWidth : 520.0;
    const double slot = width / static_cast<double>(std::max<std::size_t>(classValues.size(), 1));
    for (int step : {1, 2, 5, 10, 20, 50})
        if (slot * step >= room) return step;
    return 100;
}

void StatisticsChart::show(const NumberStatistics &statistics) {
    showBars(barsOf(statistics), valueRangeOf(statistics), axisTitle(statistics, m_messages));
    m_titleSource = [this, statistics] { return axisTitle(statistics, m_messages); };
}

void StatisticsChart::retranslate() {
    if (!m_titleSource) return;
    m_axisTitle = m_titleSource();
    fitAxisTitle();
}

std::vector<ChartBar> StatisticsChart::barsOf(const NumberStatistics &statistics) {
    std::vector<ChartBar> bars;
    bars.reserve(statistics.entries.size());
    const bool primes = primesInRed(statistics.kind);
    for (const StatisticEntry &entry : statistics.entries)
        bars.push_back({entry.x, entry.y, primes && isPrimeNumber(entry.x)});
    return bars;
}

ValueRange StatisticsChart::valueRangeOf(const NumberStatistics &statistics) {
    if (statistics.kind == StatisticKind::CrossSums || statistics.kind == StatisticKind::Quadruples)
        return {};
    return {false, statistics.minCount.value_or(0), statistics.maxCount.value_or(0)};
}

QString StatisticsChart::axisTitle(const NumberStatistics &s, const MessageLookup &m) {
    const QString d = figure(s.drawCount);
    const auto runTitle = [&](Msg firstWord) {
        return m(Msg::Draws) + u": "_s + d + u"     "_s + m(firstWord) + QChar(u' ') + m(Msg::Total) +
               u" : "_s + figure(s.runTotal);
    };
    const auto perDrawTitle = [&](Msg before, Msg after, const QString &gap) {
        return m(before) + QChar(u' ') + d + QChar(u' ') + m(Msg::Draws) + gap + figure(s.sharePercent) +
               u"% "_s + m(after) + QChar(u'.');
    };
    switch (s.kind) {
    case StatisticKind::Frequency:
        return m(Msg::DrawnNumbersTitle) + u"     "_s + m(Msg::Draws) + u": "_s + d + u"    "_s +
               m(Msg::AverageCrossSum) + u": "_s + figure(s.averageCrossSum);
    case StatisticKind::CrossSums:
        return m(Msg::CrossSumsTitle) + u"     "_s + m(Msg::Draws) + u": "_s + d + u"    "_s +
               m(Msg::AverageCrossSumAxis) + u": "_s + figure(s.averageCrossSum);
    case StatisticKind::Pairs:
        return runTitle(Msg::PairsTitle);
    case StatisticKind::Triples:
        return runTitle(Msg::TriplesTitle);
    case StatisticKind::Quadruples:
        return runTitle(Msg::QuadruplesTitle);
    case StatisticKind::PrimesPerDraw:
        return perDrawTitle(Msg::PrimesPerDrawTitle, Msg::PrimesShare, u". "_s);
    case StatisticKind::OddPerDraw:
        return perDrawTitle(Msg::OddPerDrawTitle, Msg::OddShare, u".  "_s);
    case StatisticKind::EvenPerDraw:
        return perDrawTitle(Msg::EvenPerDrawTitle, Msg::EvenShare, u".  "_s);
    case StatisticKind::Outstanding:
        return m(Msg::OutstandingTitle);
    case StatisticKind::LuckyFrequency:
        return m(Msg::LuckyFrequencyTitle);
    case StatisticKind::LuckyOutstanding:
        return m(Msg::LuckyOutstandingTitle);
    }
    return QString();
}

void setJokerChartTitle(QChart *chart, const MessageLookup &messages) {
    // Two lines: the title is rich text.
    chart->setTitle(messages(Msg::JokerChartHint).toHtmlEscaped() + u"<br>"_s +
                    messages(Msg::JokerChartMoreOptions).toHtmlEscaped());
}

QBarSeries *setUpJokerChart(QChart *chart) {
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->legend()->hide();
    auto *series = makeSeries(chart, u"Series3"_s);
    auto *set = new QBarSet(QString(), series);
    set->setColor(StatisticsChart::kGreen);
    set->setBorderColor(StatisticsChart::kGreen);
    series->append(set);

    auto *digits = new QBarCategoryAxis(chart);
    for (int digit = 0; digit <= 9; ++digit)
        digits->append(QString::number(digit));
    auto *counts = new QValueAxis(chart);
    counts->setLabelFormat(u"%.0f"_s);
    counts->setRange(0, 1);
    counts->setTickCount(2);
    chart->addAxis(digits, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(digits);
    series->attachAxis(counts);
    return series;
}

QString jokerAxisTitle(const JokerDigitStatistic &statistic, const MessageLookup &messages) {
    return messages(Msg::DrawnNumbersTitle) + u"  "_s + messages(Msg::Draws) + u": "_s +
           QString::number(statistic.drawCount) + u"    "_s + messages(Msg::AverageCrossSumAxis) + u": "_s +
           figure(jokerAverageDigit(statistic));
}

void showJokerDigits(QBarSeries *series, const JokerDigitStatistic &statistic, const QString &axisTitle) {
    if (!series || series->barSets().isEmpty()) return;
    series->setVisible(true);
    QBarSet *set = series->barSets().front();
    if (set->count() > 0) set->remove(0, set->count());
    QList<qreal> values;
    for (std::int32_t count : statistic.counts)
        values.append(count);
    set->append(values);
    const auto [lowest, highest] = std::minmax_element(statistic.counts.begin(), statistic.counts.end());
    for (QAbstractAxis *axis : series->attachedAxes()) {
        if (auto *counts = qobject_cast<QValueAxis *>(axis)) {
            // Equal counters give no range: show them against 0 so the bars stay visible.
            const int minimum = *lowest < *highest ? *lowest : std::min(0, *lowest);
            const int maximum = *lowest < *highest ? *highest : std::max(minimum + 1, *highest);
            counts->setMin(0);
            counts->setMax(maximum);
            counts->setMin(minimum);
            setRoundTicks(counts, minimum, maximum);
        } else {
            axis->setTitleText(keepBlanks(axisTitle));
        }
    }
}

} // namespace quorix
