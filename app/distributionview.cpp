#include "app/distributionview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

#include "core/statistics.h"

namespace quorix {

DistributionView::DistributionView(StatisticsChart &chart, MessageLookup messages, Sources sources,
                                   QObject *parent)
    : QObject(parent)
    , m_chart(chart)
    , m_messages(std::move(messages))
    , m_sources(std::move(sources)) {}

void DistributionView::attach(QWidget *window) {
    if (auto *button = window->findChild<QAbstractButton *>(QStringLiteral("Button6")))
        connect(button, &QAbstractButton::clicked, this, [this] { Button6Click(); });
}

std::vector<ChartBar> DistributionView::barsOf(const TipDistribution &distribution) {
    std::vector<ChartBar> bars;
    bars.reserve(42);
    for (int n = 1; n <= 42; ++n)
        bars.push_back({n, distribution.counts[static_cast<std::size_t>(n)], isPrimeNumber(n)});
    return bars;
}

TipDistribution DistributionView::Button6Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_chart.clear();
    const TipDistribution distribution =
        countTipDistribution(m_sources.sheet ? m_sources.sheet() : TipSheet{});
    m_chart.showBars(barsOf(distribution), {false, distribution.lowest, distribution.highest},
                     m_messages ? m_messages(29) : QString());
    if (m_sources.showChartPage) m_sources.showChartPage();
    QApplication::restoreOverrideCursor();
    return distribution;
}

} // namespace quorix
