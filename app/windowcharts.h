#pragma once

#include <memory>

#include <QObject>

namespace quorix {

class ChartController;
class DistributionView;
class LottoZahlen;
class NumberDialog;
class StatisticsChart;

// The charts, the number dialog and the tip distribution of the main window, which creates them
// with itself and holds them as a member.
class WindowCharts final : public QObject {
    Q_OBJECT

public:
    explicit WindowCharts(LottoZahlen &window);
    ~WindowCharts() override;
    Q_DISABLE_COPY_MOVE(WindowCharts)

    StatisticsChart &chart() { return *m_chart; }
    NumberDialog &numberDialog() { return *m_dialog; }

private:
    std::unique_ptr<StatisticsChart> m_chart;
    ChartController *m_controller = nullptr;
    DistributionView *m_distribution = nullptr;
    NumberDialog *m_dialog = nullptr;
};

} // namespace quorix
