#include "app/windowcharts.h"

#include <QChartView>
#include <QTabWidget>

#include "app/chartcontroller.h"
#include "app/distributionview.h"
#include "app/lottozahlen.h"
#include "app/numberdialog.h"
#include "app/prompts.h"
#include "app/statisticschart.h"

namespace quorix {

WindowCharts::WindowCharts(LottoZahlen &window)
    : QObject(&window)
    , m_window(window) {
    setObjectName(QStringLiteral("WindowCharts"));
    const MessageLookup messages = [&window](int index) { return window.message(index); };

    m_chart = std::make_unique<StatisticsChart>(window.control<QChartView>(QStringLiteral("Chart1"))->chart(),
                                                messages);
    setUpJokerChart(window.control<QChartView>(QStringLiteral("Chart2"))->chart());

    ChartSources sources;
    sources.window = [&window] { return window.statisticsWindow(); };
    sources.drawFile = [&window] { return window.drawFile().path(); };
    sources.showChartPage = [this] { showChartPage(); };
    sources.showError = [&window](const QString &text) {
        Prompts::message(&window, window.windowTitle(), text);
    };
    m_controller = new ChartController(*m_chart, std::move(sources), this);
    m_controller->setObjectName(QStringLiteral("ChartController"));
    m_controller->attach(&window);
    connect(&window, &LottoZahlen::frequencyChartWanted, m_controller, &ChartController::SpeedButton2Click);

    m_distribution = new DistributionView(
        *m_chart, messages, {[&window] { return window.tipSheet(); }, [this] { showChartPage(); }}, this);
    m_distribution->attach(&window);

    m_dialog = new NumberDialog(window.random(), &window);
    window.setTipEditor([this, &window](const QString &caption, const std::vector<int> &ticked) {
        return m_dialog->editTip(caption, ticked, window.message(36));
    });
}

WindowCharts::~WindowCharts() = default;

WindowCharts *WindowCharts::of(const LottoZahlen &window) {
    return window.findChild<WindowCharts *>(QStringLiteral("WindowCharts"), Qt::FindDirectChildrenOnly);
}

void WindowCharts::showChartPage() {
    QTabWidget *pages = m_window.pages();
    const QWidget *chart = m_window.control(QStringLiteral("Chart1"));
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(chart)) pages->setCurrentIndex(i);
}

} // namespace quorix
