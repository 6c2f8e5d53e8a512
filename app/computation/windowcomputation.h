#pragma once

#include <optional>
#include <span>

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "core/compute/computation.h"
#include "core/compute/tipparameters.h"

class QPushButton;

namespace quorix {

class LottoZahlen;
class NumberDialog;
class StatisticsChart;

// The tip computation of the main window: the settings of the "Berechnung" pages, the run behind
// "Tipps &berechnen", the menu item and Ctrl+R, the number list and the seeding button. The
// window creates it with itself and holds it as a member.
class WindowComputation final : public QObject {
    Q_OBJECT

public:
    // The number list is shown in the dialog; the run's statistics are drawn on the chart.
    WindowComputation(LottoZahlen &window, NumberDialog &numberList, StatisticsChart &chart);
    ~WindowComputation() override;
    Q_DISABLE_COPY_MOVE(WindowComputation)

    // The settings as the pages and the tip-count spinner show them.
    TipParameters readParameters() const;
    void showAllParameters(const TipParameters &parameters);
    // Puts the settings the run relaxes (and restores) on the pages.
    void showRelaxedParameters(const TipParameters &parameters);

    // The run over these draws with the window's dates, weekday boxes, settings and sheet.
    ComputationRequest requestFor(std::span<const Draw> draws) const;

    // A run is under way; a stop was asked for and the run ends at its next progress call.
    bool running() const { return m_running; }
    bool stopRequested() const { return m_stopRequested; }
    // The last finished run (not a cancelled number list).
    const std::optional<ComputationResult> &lastResult() const { return m_lastResult; }

    QPushButton *computeButton() const;

    // An operation that runs computations of its own (the parameter analysis) holds the run state
    // meanwhile: the button reads "Stopp", and a click on it, Ctrl+R or closing the window only
    // ask it to stop. Ending answers whether the window was asked to close meanwhile.
    void beginOuterRun() { beginRun(); }
    bool endOuterRun();

public Q_SLOTS:
    // Computes the tips; during a run it is the stop request.
    void Label28Click();
    // "Glückszahl setzen": seeds the window's random generator with the user's number.
    void SpeedButton13Click();

Q_SIGNALS:
    // Emitted from the run's progress calls, before pending events are processed.
    void progressed(int row, qint64 runs);
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enableControls();
    void followLanguage();
    void coupleSpinFields(QObject *watched, bool press);
    // The cross-sum minimum never above the maximum, however either is edited.
    void orderCrossSumFields();
    void beginRun();
    void endRun();
    void requestStop();
    ComputationHost makeHost();
    void showComputedRow(int row, const ComputedRow &computed);
    void showOutcome(const Result<ComputationResult> &result, const TipParameters &saved);
    NumberListAnswer askNumberList(const NumberPool &pool);
    void repaintWindow();

    static constexpr int kRepaintIntervalMs = 30;

    LottoZahlen &m_window;
    NumberDialog &m_numberList;
    StatisticsChart &m_chart;
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_closeAfterRun = false;
    QString m_idleCaption; // the compute button's caption outside a run
    std::optional<ComputationResult> m_lastResult;
    QElapsedTimer m_sinceRepaint;
};

} // namespace quorix
