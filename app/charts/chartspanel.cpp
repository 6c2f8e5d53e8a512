#include "app/language/errortext.h"
#include "app/charts/chartspanel.h"

#include <QAbstractButton>
#include <QChartView>
#include <QDateEdit>
#include <QRadioButton>

#include "app/charts/distributionview.h"
#include "app/charts/statisticschart.h"
#include "app/widgets/numberdialog.h"
#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "core/history/drawfile.h"

namespace quorix {

ChartsPanel::ChartsPanel(ChartsControls controls, const MessageTable &messages, Random &random,
                         ChartsSources sources, QObject *parent)
    : QObject(parent)
    , m_ui(std::move(controls))
    , m_messages(messages)
    , m_sources(std::move(sources)) {
    const MessageLookup lookup = [this](Msg id) { return message(id); };

    m_chart = std::make_unique<StatisticsChart>(m_ui.statisticsChart->chart(), lookup);
    m_jokerSeries = setUpJokerChart(m_ui.jokerChart->chart());
    for (std::size_t i = 0; i < m_ui.jokerPositions.size(); ++i)
        connect(m_ui.jokerPositions.at(i), &QAbstractButton::clicked, this,
                [this, i] { showJokerDigits(static_cast<int>(i) + 1); });

    ChartSources chartSources;
    chartSources.window = m_sources.statisticsWindow;
    chartSources.drawFile = m_sources.drawFile;
    chartSources.showChartPage = m_sources.showChartPage;
    chartSources.showError = [this, window = m_sources.window](const Error &error) {
        Prompts::message(window, window ? window->windowTitle() : QString(), errorText(m_messages, error));
    };
    m_controller = new ChartController(*m_chart, std::move(chartSources), this);
    for (const ChartTrigger &trigger : m_ui.statistics) {
        if (trigger.button)
            m_controller->attach(trigger.button, trigger.kind, trigger.chartToFrontFirst);
        else if (trigger.text)
            m_controller->attachText(trigger.text, trigger.kind, trigger.chartToFrontFirst);
    }

    m_distribution = new DistributionView(*m_chart, lookup, {m_sources.sheet, m_sources.showChartPage}, this);
    m_distribution->attach(m_ui.distribution);

    m_dialog = new NumberDialog(random, m_sources.window);
}

ChartsPanel::~ChartsPanel() = default;

void ChartsPanel::retranslate() {
    const MessageLookup lookup = [this](Msg id) { return message(id); };
    m_chart->retranslate();
    setJokerChartTitle(m_ui.jokerChart->chart(), lookup);
    if (m_jokerShown)
        quorix::showJokerDigits(m_jokerSeries, *m_jokerShown, jokerAxisTitle(*m_jokerShown, lookup));
}

std::optional<JokerDigitStatistic> ChartsPanel::showJokerDigits(int position) {
    const WaitCursor wait;
    QDateEdit *startDate = m_ui.startDate;
    const DaySerial end = m_sources.endDate();
    // A start after the end becomes a year before the end, on the picker too.
    if (serialFromDate(startDate->date()) > end)
        startDate->setDate(dateFromSerial(jokerStartDate(serialFromDate(startDate->date()), end)));
    const DaySerial start = serialFromDate(startDate->date());
    auto draws = DrawFile(m_sources.drawFile()).readAll();
    if (!draws) {
        QWidget *window = m_sources.window;
        Prompts::message(window, window ? window->windowTitle() : QString(),
                         errorText(m_messages, draws.error()));
        return std::nullopt;
    }
    const JokerDigitMode mode =
        m_ui.jokerOften->isChecked() ? JokerDigitMode::Often : JokerDigitMode::Outstanding;
    m_jokerShown = computeJokerDigits(position, mode, start, end, *draws);
    const MessageLookup lookup = [this](Msg id) { return message(id); };
    quorix::showJokerDigits(m_jokerSeries, *m_jokerShown, jokerAxisTitle(*m_jokerShown, lookup));
    return m_jokerShown;
}

} // namespace quorix
