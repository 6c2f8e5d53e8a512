#include "app/charts/chartcontroller.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "app/charts/statisticschart.h"
#include "app/widgets/uihelpers.h"
#include "core/history/drawfile.h"

namespace quorix {

namespace {

// Every control that shows a statistic. Where the operation itself does not end on the chart
// page, a control away from "Diagramm" switches there first.
constexpr ChartControlName kChartControls[] = {
    {"SpeedButton200", StatisticKind::Frequency, false},
    {"SpeedButton26", StatisticKind::Frequency, false},
    {"SpeedButton9", StatisticKind::CrossSums, false},
    {"SpeedButton17", StatisticKind::CrossSums, true},
    {"CrossSumsText", StatisticKind::CrossSums, true},
    {"SpeedButton201", StatisticKind::Pairs, false},
    {"Button2", StatisticKind::Pairs, false},
    {"SpeedButton21", StatisticKind::Pairs, false},
    {"SpeedButton23", StatisticKind::Pairs, false},
    {"PairsText", StatisticKind::Pairs, false},
    {"SpeedButton202", StatisticKind::Triples, false},
    {"Button3", StatisticKind::Triples, false},
    {"SpeedButton27", StatisticKind::Triples, false},
    {"SpeedButton24", StatisticKind::Triples, false},
    {"TriplesText", StatisticKind::Triples, false},
    {"SpeedButton203", StatisticKind::Quadruples, false},
    {"Button4", StatisticKind::Quadruples, false},
    {"SpeedButton28", StatisticKind::Quadruples, false},
    {"SpeedButton25", StatisticKind::Quadruples, false},
    {"QuadruplesText", StatisticKind::Quadruples, false},
    {"SpeedButton204", StatisticKind::Outstanding, false},
    {"Button5", StatisticKind::Outstanding, false},
    {"SpeedButton22", StatisticKind::Outstanding, false},
    {"Button9", StatisticKind::PrimesPerDraw, false},
    {"SpeedButton29", StatisticKind::PrimesPerDraw, false},
    {"Button10", StatisticKind::OddPerDraw, false},
    {"SpeedButton32", StatisticKind::OddPerDraw, false},
    {"Button11", StatisticKind::EvenPerDraw, false},
    {"SpeedButton31", StatisticKind::EvenPerDraw, false},
    {"SpeedButton3", StatisticKind::LuckyFrequency, true},
    {"Superselten", StatisticKind::LuckyFrequency, true},
    {"SpeedButton205", StatisticKind::LuckyOutstanding, true},
    {"Button8", StatisticKind::LuckyOutstanding, true},
    {"SuperAus", StatisticKind::LuckyOutstanding, true},
};

} // namespace

std::span<const ChartControlName> chartControlNames() {
    return kChartControls;
}

ChartController::ChartController(StatisticsChart &chart, ChartSources sources, QObject *parent)
    : QObject(parent)
    , m_chart(chart)
    , m_sources(std::move(sources)) {}

bool ChartController::bringsChartToFront(StatisticKind kind) {
    switch (kind) {
    case StatisticKind::Frequency:
    case StatisticKind::CrossSums:
    case StatisticKind::LuckyFrequency:
    case StatisticKind::LuckyOutstanding:
        return false;
    default:
        return true;
    }
}

std::optional<NumberStatistics> ChartController::showStatistic(StatisticKind kind) {
    const WaitCursor wait;
    m_chart.clear();
    const StatisticsWindow window = m_sources.window ? m_sources.window() : StatisticsWindow{};
    const DrawFile file(m_sources.drawFile ? m_sources.drawFile() : std::filesystem::path());
    Result<NumberStatistics> result = runStatistic(kind, window, file);
    if (!result) {
        if (m_sources.showError) m_sources.showError(result.error());
        return std::nullopt;
    }
    present(*result);
    return std::move(*result);
}

void ChartController::present(const NumberStatistics &statistics) {
    m_chart.show(statistics);
    if (bringsChartToFront(statistics.kind) && m_sources.showChartPage) m_sources.showChartPage();
}

void ChartController::trigger(StatisticKind kind, bool chartToFrontFirst) {
    if (chartToFrontFirst && m_sources.showChartPage) m_sources.showChartPage();
    showStatistic(kind);
}

void ChartController::attach(QAbstractButton *button, StatisticKind kind, bool chartToFrontFirst) {
    connect(button, &QAbstractButton::clicked, this,
            [this, kind, chartToFrontFirst] { trigger(kind, chartToFrontFirst); });
}

void ChartController::attachText(QWidget *text, StatisticKind kind, bool chartToFrontFirst) {
    m_texts.insert(text, {kind, chartToFrontFirst});
    text->setCursor(Qt::PointingHandCursor);
    text->installEventFilter(this);
    connect(text, &QObject::destroyed, this, [this](QObject *gone) { m_texts.remove(gone); });
}

bool ChartController::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (const auto text = m_texts.constFind(watched); text != m_texts.cend()) {
            trigger(text->kind, text->chartToFrontFirst);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorix
