#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>

#include "app/charts/chartcontroller.h"
#include "app/language/messagetable.h"
#include "core/base/random.h"
#include "core/game/tipsheet.h"
#include "core/statistics/jokerstatistics.h"
#include "core/statistics/statistics.h"

class QAbstractButton;
class QBarSeries;
class QChartView;
class QDateEdit;
class QRadioButton;
class QWidget;

namespace quorix {

class DistributionView;
class NumberDialog;
class StatisticsChart;

// A control that shows a statistic (see chartControlNames): a button, or a clickable text.
struct ChartTrigger {
    QAbstractButton *button = nullptr;
    QWidget *text = nullptr;
    StatisticKind kind = StatisticKind::Frequency;
    bool chartToFrontFirst = false;
};

// The controls of the charts: the two chart views, the statistic controls of every page, the
// tip distribution button, the Joker tab's digit buttons and mode, the statistics' start date.
struct ChartsControls {
    QChartView *statisticsChart = nullptr;
    QChartView *jokerChart = nullptr;
    std::vector<ChartTrigger> statistics;
    QAbstractButton *distribution = nullptr;
    std::array<QAbstractButton *, 7> jokerPositions{}; // "1xxxxx" .. "xxxxx1", "123456"
    QRadioButton *jokerOften = nullptr;                // "wie oft" (else "ausstehend")
    QDateEdit *startDate = nullptr;
};

// What the charts need from the rest of the window.
struct ChartsSources {
    QWidget *window = nullptr; // parent of the boxes and the number dialog
    std::function<StatisticsWindow()> statisticsWindow;
    std::function<std::filesystem::path()> drawFile;
    std::function<DaySerial()> endDate;
    std::function<TipSheet()> sheet;
    std::function<void()> showChartPage;
};

// The charts: the statistics chart with its operations, the Joker chart, the tip distribution
// and the number dialog.
class ChartsPanel final : public QObject {
    Q_OBJECT

public:
    ChartsPanel(ChartsControls controls, const MessageTable &messages, Random &random, ChartsSources sources,
                QObject *parent = nullptr);
    ~ChartsPanel() override;
    Q_DISABLE_COPY_MOVE(ChartsPanel)

    StatisticsChart &chart() { return *m_chart; }
    ChartController &controller() { return *m_controller; }
    NumberDialog &numberDialog() { return *m_dialog; }

    // Verteilung: the Joker tab's digit statistic at position 1..7 ("123456" is 7) in the chosen
    // mode, drawn on the Joker chart; nullopt when the draw file could not be read (the error
    // has been shown).
    std::optional<JokerDigitStatistic> showJokerDigits(int position);

public Q_SLOTS:
    // The charts' texts in the language just loaded.
    void retranslate();

private:
    QString message(Msg id) const { return m_messages.text(id); }

    ChartsControls m_ui;
    const MessageTable &m_messages;
    ChartsSources m_sources;
    std::optional<JokerDigitStatistic> m_jokerShown; // for the axis title after a language change

    std::unique_ptr<StatisticsChart> m_chart;
    QBarSeries *m_jokerSeries = nullptr; // owned by the Joker chart
    ChartController *m_controller = nullptr;
    DistributionView *m_distribution = nullptr;
    NumberDialog *m_dialog = nullptr;
};

} // namespace quorix
