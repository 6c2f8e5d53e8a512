#include "app/windowcharts.h"

#include <QChartView>

#include "app/chartcontroller.h"
#include "app/distributionview.h"
#include "app/lottozahlen.h"
#include "app/numberdialog.h"
#include "app/prompts.h"
#include "app/statisticschart.h"

namespace quorix {

WindowCharts::WindowCharts(LottoZahlen &window)
    : QObject(&window) {
    const MessageLookup messages = [&window](Msg message) { return window.message(message); };
    const auto showChartPage = [&window] { window.showPage(LottoZahlen::Page::Chart); };

    m_chart = std::make_unique<StatisticsChart>(window.ui().statisticsChart->chart(), messages);
    setUpJokerChart(window.ui().jokerChart->chart());

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
    });
    window.setTipEditor([this, &window](const QString &caption, const std::vector<int> &ticked) {
        return m_dialog->editTip(caption, ticked, window.message(Msg::NumberListTitle));
    });
}

WindowCharts::~WindowCharts() = default;

} // namespace quorix
