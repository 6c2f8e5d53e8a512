#pragma once

#include <memory>

#include <QObject>

namespace quorix {

class ChartController;
class DistributionView;
class LottoZahlen;
class NumberDialog;
class StatisticsChart;

// The charts, the number dialog and the tip distribution of the main window, created with it
// and living as long as it does (a child named "WindowCharts").
class WindowCharts final : public QObject {
    Q_OBJECT

public:
    explicit WindowCharts(LottoZahlen &window);
    ~WindowCharts() override;
    Q_DISABLE_COPY_MOVE(WindowCharts)

    // The one of a window, or nullptr before it was created.
    static WindowCharts *of(const LottoZahlen &window);

    StatisticsChart &chart() { return *m_chart; }
    ChartController &controller() { return *m_controller; }
    DistributionView &distribution() { return *m_distribution; }
    NumberDialog &numberDialog() { return *m_dialog; }

private:
    void showChartPage();

    LottoZahlen &m_window;
    std::unique_ptr<StatisticsChart> m_chart;
    ChartController *m_controller = nullptr;
    DistributionView *m_distribution = nullptr;
    NumberDialog *m_dialog = nullptr;
};

} // namespace quorix
