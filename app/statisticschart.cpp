#include "app/statisticschart.h"

#include <algorithm>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
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

    m_categoryAxis = new QBarCategoryAxis(m_chart);
    m_categoryAxis->setObjectName(QStringLiteral("CategoryAxis"));
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
}

void StatisticsChart::clear() {
    m_series1->setVisible(false);
    m_series2->setVisible(true);
    m_set->deselectAllBars();
    if (m_set->count() > 0) m_set->remove(0, m_set->count());
    m_categoryAxis->clear();
}

void StatisticsChart::showBars(const std::vector<ChartBar> &bars, const ValueRange &range,
                               const QString &axisTitle) {
    clear();
    QList<qreal> values;
    QStringList categories;
    QList<int> red;
    values.reserve(static_cast<qsizetype>(bars.size()));
    categories.reserve(static_cast<qsizetype>(bars.size()));
    for (const ChartBar &bar : bars) {
        if (bar.red) red.append(static_cast<int>(values.size()));
        values.append(bar.y);
        categories.append(QString::number(bar.x));
    }
    m_categoryAxis->append(categories);
    m_set->append(values);
    m_set->selectBars(red);

    if (range.automatic) {
        int highest = 0;
        int lowest = 0;
        for (const ChartBar &bar : bars) {
            highest = std::max(highest, bar.y);
            lowest = std::min(lowest, bar.y);
        }
        m_valueAxis->setRange(lowest, std::max(highest, lowest + 1));
        m_valueAxis->applyNiceNumbers();
    } else if (range.minimum < range.maximum) {
        m_valueAxis->setRange(range.minimum, range.maximum);
    } else {
        // Equal counts give no range to spread: show them against 0 so the bars stay visible.
        const int lowest = std::min(0, range.minimum);
        const int highest = std::max(0, range.maximum);
        m_valueAxis->setRange(lowest, highest > lowest ? highest : lowest + 1);
    }
    m_categoryAxis->setTitleText(axisTitle);
}

void StatisticsChart::show(const NumberStatistics &statistics) {
    showBars(barsOf(statistics), valueRangeOf(statistics), axisTitle(statistics, m_messages));
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
    const auto runTitle = [&](int firstWord) {
        return m(1) + u": "_s + d + u"     "_s + m(firstWord) + QChar(u' ') + m(10) + u" : "_s +
               figure(s.runTotal);
    };
    const auto perDrawTitle = [&](int before, int after, const QString &gap) {
        return m(before) + QChar(u' ') + d + QChar(u' ') + m(1) + gap + figure(s.sharePercent) + u"% "_s +
               m(after) + QChar(u'.');
    };
    switch (s.kind) {
    case StatisticKind::Frequency:
        return m(0) + u"     "_s + m(1) + u": "_s + d + u"    "_s + m(2) + u": "_s +
               figure(s.averageCrossSum);
    case StatisticKind::CrossSums:
        return m(13) + u"     "_s + m(1) + u": "_s + d + u"    "_s + m(14) + u": "_s +
               figure(s.averageCrossSum);
    case StatisticKind::Pairs:
        return runTitle(9);
    case StatisticKind::Triples:
        return runTitle(11);
    case StatisticKind::Quadruples:
        return runTitle(15);
    case StatisticKind::PrimesPerDraw:
        return perDrawTitle(44, 45, u". "_s);
    case StatisticKind::OddPerDraw:
        return perDrawTitle(46, 47, u".  "_s);
    case StatisticKind::EvenPerDraw:
        return perDrawTitle(48, 49, u".  "_s);
    case StatisticKind::Outstanding:
        return m(28);
    case StatisticKind::LuckyFrequency:
        return m(3);
    case StatisticKind::LuckyOutstanding:
        return m(38);
    }
    return QString();
}

void setUpJokerChart(QChart *chart) {
    chart->removeAllSeries();
    chart->legend()->hide();
    chart->setTitle(
        QStringLiteral("Beim Online-Tipp können Sie so eine Losnummer wählen noch nie gezogen wurde. ") +
        u'\n' + QStringLiteral("Mehr Optionen unter \"Berechnung=>Allgemein\""));
    auto *series = makeSeries(chart, QStringLiteral("Series3"));
    auto *set = new QBarSet(QString(), series);
    set->setColor(StatisticsChart::kGreen);
    set->setBorderColor(StatisticsChart::kGreen);
    series->append(set);
    chart->createDefaultAxes();
}

} // namespace quorix
