#include "app/chartcontroller.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>

#include "app/statisticschart.h"
#include "core/calendar.h"
#include "core/drawfile.h"
#include "app/uihelpers.h"

namespace quorix {

namespace {

struct ChartControl {
    const char *name;
    StatisticKind kind;
    bool chartToFrontFirst; // the control brings "Diagramm" forward before the run
};

// Every control that shows a statistic. Where the operation itself does not end on the chart
// page, a control away from "Diagramm" switches there first.
constexpr ChartControl kChartControls[] = {
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

constexpr const char *kKindProperty = "quorixStatisticKind";
constexpr const char *kToFrontProperty = "quorixChartToFront";

} // namespace

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
        const QString text = QString::fromStdString(result.error().message);
        if (m_sources.showError)
            m_sources.showError(text);
        else
            QMessageBox::critical(nullptr, QApplication::applicationName(), text);
        return std::nullopt;
    }
    present(*result);
    return std::move(*result);
}

void ChartController::present(const NumberStatistics &statistics) {
    m_chart.show(statistics);
    if (bringsChartToFront(statistics.kind) && m_sources.showChartPage) m_sources.showChartPage();
}

void ChartController::clearChart() {
    m_chart.clear();
}

void ChartController::trigger(StatisticKind kind, bool chartToFrontFirst) {
    if (chartToFrontFirst && m_sources.showChartPage) m_sources.showChartPage();
    showStatistic(kind);
}

void ChartController::attach(QWidget *window) {
    for (const ChartControl &control : kChartControls) {
        // One name may stand for several controls on different pages.
        for (QWidget *widget : window->findChildren<QWidget *>(QString::fromLatin1(control.name))) {
            if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                const StatisticKind kind = control.kind;
                const bool toFront = control.chartToFrontFirst;
                connect(button, &QAbstractButton::clicked, this,
                        [this, kind, toFront] { trigger(kind, toFront); });
            } else {
                widget->setProperty(kKindProperty, static_cast<int>(control.kind));
                widget->setProperty(kToFrontProperty, control.chartToFrontFirst);
                widget->setCursor(Qt::PointingHandCursor);
                widget->installEventFilter(this);
            }
        }
    }
}

bool ChartController::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const QVariant kind = watched->property(kKindProperty);
        if (kind.isValid()) {
            trigger(static_cast<StatisticKind>(kind.toInt()), watched->property(kToFrontProperty).toBool());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

StatisticsWindow ChartController::readWindow(const QWidget *window) {
    StatisticsWindow result;
    const auto date = [window](const char *name, DaySerial fallback) {
        const auto *picker = window->findChild<const QDateTimeEdit *>(QString::fromLatin1(name));
        return picker ? serialFromDate(picker->date()) : fallback;
    };
    const auto ticked = [window](const char *name) {
        const auto *box = window->findChild<const QCheckBox *>(QString::fromLatin1(name));
        return box ? box->isChecked() : true;
    };
    const DaySerial today = todaySerial();
    result.endDate = date("DateTimePicker1", today);
    result.startDate = date("DateTimePicker2", serialFromYmd(1990, 3, 17));
    result.saturday = ticked("CheckBox16");
    result.wednesday = ticked("CheckBox17");
    return result;
}

} // namespace quorix
