#pragma once

#include <memory>
#include <optional>

#include <QObject>

#include "core/statistics/jokerstatistics.h"

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

    // The Joker tab's digit statistic at position 1..7 ("123456" is 7) in the chosen mode, drawn on
    // the Joker chart; nullopt when the draw file could not be read (the error has been shown).
    std::optional<JokerDigitStatistic> Verteilung(int position);

private:
    LottoZahlen &m_window;
    std::optional<JokerDigitStatistic> m_jokerShown; // for the axis title after a language change

    std::unique_ptr<StatisticsChart> m_chart;
    ChartController *m_controller = nullptr;
    DistributionView *m_distribution = nullptr;
    NumberDialog *m_dialog = nullptr;
};

} // namespace quorix
