#include "app/charts/windowcharts.h"

#include <QAbstractButton>
#include <QChartView>
#include <QDateEdit>
#include <QRadioButton>

#include "app/charts/chartcontroller.h"
#include "app/charts/distributionview.h"
#include "app/mainwindow/mainwindow.h"
#include "app/widgets/numberdialog.h"
#include "app/widgets/prompts.h"
#include "app/charts/statisticschart.h"
#include "app/widgets/uihelpers.h"

namespace quorix {

WindowCharts::WindowCharts(LottoZahlen &window)
    : QObject(&window)
    , m_window(window) {
    const MessageLookup messages = [&window](Msg message) { return window.message(message); };
    const auto showChartPage = [&window] { window.showPage(LottoZahlen::Page::Chart); };

    m_chart = std::make_unique<StatisticsChart>(window.ui().statisticsChart->chart(), messages);
    setUpJokerChart(window.ui().jokerChart->chart());
    for (std::size_t i = 0; i < window.ui().jokerPositions.size(); ++i)
        connect(window.ui().jokerPositions.at(i), &QAbstractButton::clicked, this,
                [this, i] { Verteilung(static_cast<int>(i) + 1); });

    ChartSources sources;
    sources.window = [&window] { return window.statisticsWindow(); };
    sources.drawFile = [&window] { return window.drawFile().path(); };
    sources.showChartPage = showChartPage;
    sources.showError = [&window](const QString &text) {
        Prompts::message(&window, window.windowTitle(), text);
    };
    m_controller = new ChartController(*m_chart, std::move(sources), this);
    for (const LottoZahlen::NamedControl &control : window.namedControls())
        m_controller->attach(control.name, control.widget);
    connect(&window, &LottoZahlen::frequencyChartWanted, m_controller, &ChartController::SpeedButton2Click);

    m_distribution = new DistributionView(*m_chart, messages,
                                          {[&window] { return window.tipSheet(); }, showChartPage}, this);
    m_distribution->attach(window.ui().distribution);

    m_dialog = new NumberDialog(window.random(), &window);
    window.registerWindow(m_dialog);
    connect(&window, &LottoZahlen::languageChanged, this, [this, &window, messages] {
        m_chart->retranslate();
        setJokerChartTitle(window.ui().jokerChart->chart(), messages);
        if (m_jokerShown)
            showJokerDigits(window.ui().jokerChart->chart(), *m_jokerShown,
                            jokerAxisTitle(*m_jokerShown, messages));
    });
    window.setTipEditor([this, &window](const QString &caption, const std::vector<int> &ticked) {
        return m_dialog->editTip(caption, ticked, window.message(Msg::NumberListTitle));
    });
}

WindowCharts::~WindowCharts() = default;

std::optional<JokerDigitStatistic> WindowCharts::Verteilung(int position) {
    const WaitCursor wait;
    const LottoZahlen::Controls &ui = m_window.ui();
    const DaySerial end = serialFromDate(ui.endDate->date());
    // A start after the end becomes a year before the end, on the picker too.
    if (ui.startDate->date() > ui.endDate->date())
        ui.startDate->setDate(dateFromSerial(jokerStartDate(serialFromDate(ui.startDate->date()), end)));
    const DaySerial start = serialFromDate(ui.startDate->date());
    auto draws = m_window.drawFile().readAll();
    if (!draws) {
        Prompts::message(&m_window, m_window.windowTitle(), QString::fromStdString(draws.error().message));
        return std::nullopt;
    }
    const JokerDigitMode mode =
        ui.jokerOften->isChecked() ? JokerDigitMode::Often : JokerDigitMode::Outstanding;
    m_jokerShown = computeJokerDigits(position, mode, start, end, *draws);
    const MessageLookup messages = [this](Msg message) { return m_window.message(message); };
    showJokerDigits(ui.jokerChart->chart(), *m_jokerShown, jokerAxisTitle(*m_jokerShown, messages));
    return m_jokerShown;
}

} // namespace quorix
