#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>

#include <QHash>
#include <QObject>
#include <QString>

#include "core/statistics/statistics.h"

class QAbstractButton;
class QWidget;

namespace quorix {

class StatisticsChart;

// What the chart operations need from the main window, read afresh at every run.
// A named control of the window that shows a statistic, and whether it brings "Diagramm"
// forward before the run.
struct ChartControlName {
    const char *name;
    StatisticKind kind;
    bool chartToFrontFirst;
};
// Every control that shows a statistic, by the name the window gives it (several controls show
// the same statistic). The window binds them while it builds its pages.
std::span<const ChartControlName> chartControlNames();

struct ChartSources {
    std::function<StatisticsWindow()> window;
    std::function<std::filesystem::path()> drawFile;
    std::function<void()> showChartPage;          // brings the "Diagramm" tab to the front
    std::function<void(const Error &)> showError; // the application's error box, in its language
};

// The eleven statistic operations: each runs its statistic over the draw file and draws it on the
// statistics chart. The tip computation calls the same operations and reads the result.
class ChartController final : public QObject {
    Q_OBJECT

public:
    ChartController(StatisticsChart &chart, ChartSources sources, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ChartController)

    // Runs and shows one statistic; nullopt when the draw file could not be read (the error has
    // been shown and the chart stays cleared).
    std::optional<NumberStatistics> showStatistic(StatisticKind kind);
    // Draws a statistic computed elsewhere (the computation's own table) as its operation would,
    // switching to "Diagramm" where the operation does.
    void present(const NumberStatistics &statistics);
    // Whether the operation itself ends by bringing "Diagramm" to the front (the others leave
    // that to the controls that call them from other pages).
    static bool bringsChartToFront(StatisticKind kind);

    // Connects a control to the operation of a statistic: a button by its click, a clickable
    // text (label) by mouse release. A control away from "Diagramm" whose operation does not end
    // there brings the page forward first.
    void attach(QAbstractButton *button, StatisticKind kind, bool chartToFrontFirst);
    void attachText(QWidget *text, StatisticKind kind, bool chartToFrontFirst);

public Q_SLOTS:
    // The operations under their handler names.
    std::optional<NumberStatistics> SpeedButton2Click() { return showStatistic(StatisticKind::Frequency); }
    std::optional<NumberStatistics> Button5Click() { return showStatistic(StatisticKind::Outstanding); }
    std::optional<NumberStatistics> Button2Click() { return showStatistic(StatisticKind::Pairs); }
    std::optional<NumberStatistics> Button3Click() { return showStatistic(StatisticKind::Triples); }
    std::optional<NumberStatistics> Button4Click() { return showStatistic(StatisticKind::Quadruples); }
    std::optional<NumberStatistics> SpeedButton9Click() { return showStatistic(StatisticKind::CrossSums); }
    std::optional<NumberStatistics> Button9Click() { return showStatistic(StatisticKind::PrimesPerDraw); }
    std::optional<NumberStatistics> Button10Click() { return showStatistic(StatisticKind::OddPerDraw); }
    std::optional<NumberStatistics> Button11Click() { return showStatistic(StatisticKind::EvenPerDraw); }
    std::optional<NumberStatistics> SpeedButton3Click() {
        return showStatistic(StatisticKind::LuckyFrequency);
    }
    std::optional<NumberStatistics> Button8Click() { return showStatistic(StatisticKind::LuckyOutstanding); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void trigger(StatisticKind kind, bool chartToFrontFirst);

    struct ClickableText {
        StatisticKind kind;
        bool chartToFrontFirst;
    };

    StatisticsChart &m_chart;
    ChartSources m_sources;
    QHash<const QObject *, ClickableText> m_texts;
};

} // namespace quorix
