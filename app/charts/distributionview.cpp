#include "app/charts/distributionview.h"

#include <QAbstractButton>

#include "app/widgets/uihelpers.h"
#include "core/game/game.h"
#include "core/statistics/statistics.h"

namespace quorix {

DistributionView::DistributionView(StatisticsChart &chart, MessageLookup messages, Sources sources,
                                   QObject *parent)
    : QObject(parent)
    , m_chart(chart)
    , m_messages(std::move(messages))
    , m_sources(std::move(sources)) {}

void DistributionView::attach(QAbstractButton *button) {
    connect(button, &QAbstractButton::clicked, this, [this] { Button6Click(); });
}

std::vector<ChartBar> DistributionView::barsOf(const TipDistribution &distribution) {
    std::vector<ChartBar> bars;
    bars.reserve(kHighestNumber);
    for (int n = kLowestNumber; n <= kHighestNumber; ++n)
        bars.push_back({n, distribution.counts[static_cast<std::size_t>(n)], isPrimeNumber(n)});
    return bars;
}

TipDistribution DistributionView::Button6Click() {
    const WaitCursor wait;
    m_chart.clear();
    const TipDistribution distribution =
        countTipDistribution(m_sources.sheet ? m_sources.sheet() : TipSheet{});
    m_chart.showBars(barsOf(distribution), {false, distribution.lowest, distribution.highest},
                     m_messages ? m_messages(Msg::TipDistributionTitle) : QString());
    if (m_messages)
        m_chart.setTitleSource([messages = m_messages] { return messages(Msg::TipDistributionTitle); });
    if (m_sources.showChartPage) m_sources.showChartPage();
    return distribution;
}

} // namespace quorix
