#pragma once

#include <functional>
#include <optional>
#include <span>

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "app/computation/parametercontrols.h"
#include "app/computation/runstate.h"
#include "app/language/messagetable.h"
#include "core/base/random.h"
#include "core/compute/computation.h"
#include "core/compute/tipparameters.h"
#include "core/history/drawfile.h"
#include "core/statistics/statistics.h"

class QAbstractButton;
class QPushButton;
class QSpinBox;
class QWidget;

namespace quorix {

class NumberDialog;

// The controls of the computation: the "Berechnung" pages' settings, the compute and seed
// buttons beside the sheet and the spin fields whose limits follow each other.
struct ComputationControls {
    ParameterControls parameters;
    QPushButton *compute = nullptr;
    QAbstractButton *seed = nullptr;
    QSpinBox *minEven = nullptr;
    QSpinBox *minOdd = nullptr;
    QSpinBox *maxShared = nullptr;
    QSpinBox *minShared = nullptr;
    QSpinBox *minCrossSum = nullptr;
    QSpinBox *maxCrossSum = nullptr;
};

// What the computation needs from the rest of the window.
struct ComputationSources {
    QWidget *window = nullptr; // parent of the boxes; repainted while rows come; its close waits
    std::function<DrawFile()> drawFile;
    std::function<StatisticsWindow()> statisticsWindow;
    std::function<TipSheet()> sheet;
    std::function<void()> clearSheet;                          // empties the unlocked rows
    std::function<void(int row, const ComputedRow &)> showRow; // row 1..14 as computed
    std::function<void()> evaluate;                            // the end date's draw, then the check
    std::function<void()> showSheetPage;
    std::function<void()> showChartPage;
    std::function<void(const NumberStatistics &)> showStatistic; // on the statistics chart
    std::function<void(const QString &)> setStatus;              // the status bar's long panel
    // The design caption of the compute button, shown while no message file has its text.
    QString designCaption;
};

// The tip computation: the settings of the "Berechnung" pages, the run behind "Tipps &berechnen",
// the menu item and Ctrl+R, the number list and the seeding button.
class TipComputation final : public QObject {
    Q_OBJECT

public:
    // The number list is shown in the dialog; the run state is shared with the parameter
    // analysis.
    TipComputation(ComputationControls controls, const MessageTable &messages, RunState &runState,
                   Random &random, NumberDialog &numberList, ComputationSources sources,
                   QObject *parent = nullptr);
    ~TipComputation() override;
    Q_DISABLE_COPY_MOVE(TipComputation)

    // The settings as the pages and the tip-count spinner show them.
    TipParameters readParameters() const { return m_ui.parameters.read(); }
    void showAllParameters(const TipParameters &parameters) { m_ui.parameters.write(parameters); }
    // Puts the settings the run relaxes (and restores) on the pages.
    void showRelaxedParameters(const TipParameters &parameters);
    const ParameterControls &parameterControls() const { return m_ui.parameters; }

    // The run over these draws with the window's dates, weekday boxes, settings and sheet.
    ComputationRequest requestFor(std::span<const Draw> draws) const;

    const RunState &runState() const { return m_run; }
    bool running() const { return m_run.running(); }
    bool stopRequested() const { return m_run.stopRequested(); }
    // The last finished run (not a cancelled number list).
    const std::optional<ComputationResult> &lastResult() const { return m_lastResult; }

    QPushButton *computeButton() const { return m_ui.compute; }

public Q_SLOTS:
    // Label28Click: computes the tips; during a run it is the stop request.
    void computeOrStop();
    // SpeedButton13Click: seeds the random generator with the player's number.
    void seedRandom();
    // The button's captions in the language just loaded.
    void showRunState();

Q_SIGNALS:
    // Emitted from the run's progress calls, before pending events are processed.
    void progressed(int row, qint64 runs);
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString message(Msg id) const { return m_messages.text(id); }
    void coupleSpinFields(QObject *watched, bool press);
    void beginRun();
    void endRun();
    ComputationHost makeHost();
    void showOutcome(const Result<ComputationResult> &result, const TipParameters &saved);
    NumberListAnswer askNumberList(const NumberPool &pool);
    void repaintWindow();
    void showError(const QString &text);

    static constexpr int kRepaintIntervalMs = 30;

    ComputationControls m_ui;
    const MessageTable &m_messages;
    RunState &m_run;
    Random &m_random;
    NumberDialog &m_numberList;
    ComputationSources m_sources;
    std::optional<ComputationResult> m_lastResult;
    bool m_closeAfterRun = false;
    bool m_showsRunCaption = false; // the button shows a run's caption, not its idle one
    QElapsedTimer m_sinceRepaint;
};

} // namespace quorix
