#pragma once

#include <functional>

#include <QObject>

#include "app/charts/statisticschart.h"
#include "core/statistics/tipdistribution.h"

class QAbstractButton;

namespace quorix {

// "Tippverteilung": how often each number occurs among the sheet's tips, drawn on the statistics
// chart with primes in red.
class DistributionView final : public QObject {
    Q_OBJECT

public:
    struct Sources {
        std::function<TipSheet()> sheet;
        std::function<void()> showChartPage;
    };

    DistributionView(StatisticsChart &chart, MessageLookup messages, Sources sources,
                     QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(DistributionView)

    // Connects the window's "Tippverteilung" button.
    void attach(QAbstractButton *button);

    static std::vector<ChartBar> barsOf(const TipDistribution &distribution);

public Q_SLOTS:
    TipDistribution Button6Click();

private:
    StatisticsChart &m_chart;
    MessageLookup m_messages;
    Sources m_sources;
};

} // namespace quorix
