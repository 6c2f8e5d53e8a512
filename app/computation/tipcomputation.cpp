#include "app/language/errortext.h"
#include "app/computation/tipcomputation.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/widgets/numberdialog.h"
#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "core/game/lucky.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

// Keeps a minimum field at or below its maximum field. While the user edits one of the two, its
// range stops at the other's value, so typing, the arrows and the wheel cannot cross it (the
// spin box refuses the keystroke or stops stepping); left, both have their full ranges again, so
// settings written in any order are taken as they are.
class OrderedSpinPair final : public QObject {
public:
    OrderedSpinPair(QSpinBox *minimum, QSpinBox *maximum, QObject *parent)
        : QObject(parent)
        , m_min(minimum)
        , m_max(maximum)
        , m_minTop(minimum->maximum())
        , m_maxBottom(maximum->minimum()) {
        for (QSpinBox *spin : {m_min, m_max}) {
            spin->installEventFilter(this);
            // Emitted after a left field has taken its typed value.
            connect(spin, &QSpinBox::editingFinished, this, [this, spin] {
                if (!spin->hasFocus()) release(spin);
            });
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::FocusIn) {
            if (watched == m_min) m_min->setMaximum(std::max(m_min->minimum(), m_max->value()));
            if (watched == m_max) m_max->setMinimum(std::min(m_max->maximum(), m_min->value()));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void release(QSpinBox *spin) {
        if (spin == m_min) m_min->setMaximum(m_minTop);
        if (spin == m_max) m_max->setMinimum(m_maxBottom);
    }

    QSpinBox *m_min;
    QSpinBox *m_max;
    int m_minTop;
    int m_maxBottom;
};

} // namespace

TipComputation::TipComputation(ComputationControls controls, const MessageTable &messages, RunState &runState,
                               Random &random, NumberDialog &numberList, ComputationSources sources,
                               QObject *parent)
    : QObject(parent)
    , m_ui(std::move(controls))
    , m_messages(messages)
    , m_run(runState)
    , m_random(random)
    , m_numberList(numberList)
    , m_sources(std::move(sources)) {
    m_ui.parameters.enable();
    m_ui.seed->setEnabled(true);
    m_ui.compute->setEnabled(true);
    connect(m_ui.compute, &QPushButton::clicked, this, &TipComputation::computeOrStop);
    m_ui.compute->installEventFilter(this);
    connect(m_ui.seed, &QAbstractButton::clicked, this, &TipComputation::seedRandom);
    for (QSpinBox *spin : {m_ui.minEven, m_ui.minOdd, m_ui.maxShared, m_ui.minShared})
        spin->installEventFilter(this);
    if (m_sources.window) m_sources.window->installEventFilter(this);
    // The cross-sum minimum never above the maximum, however either is edited.
    new OrderedSpinPair(m_ui.minCrossSum, m_ui.maxCrossSum, this);
    connect(&m_run, &RunState::changed, this, &TipComputation::showRunState);
}

TipComputation::~TipComputation() = default;

// The button shows the run's state: its caption outside a run, "Stopp" during one, nothing while
// a stop is on its way, so a missing message text cannot keep a run from stopping. Without a
// message file the caption outside a run is the language files' one as they left it, or the
// design caption once a run has replaced it.
void TipComputation::showRunState() {
    if (m_run.running()) {
        m_ui.compute->setText(m_run.stopRequested() ? QString() : message(Msg::Stop));
        m_showsRunCaption = true;
        return;
    }
    const QString idle = message(Msg::ComputeTips);
    if (!idle.isEmpty())
        m_ui.compute->setText(idle);
    else if (m_showsRunCaption)
        m_ui.compute->setText(m_sources.designCaption);
    m_showsRunCaption = false;
}

void TipComputation::showError(const QString &text) {
    QWidget *window = m_sources.window;
    Prompts::message(window, window ? window->windowTitle() : QString(), text);
}

// ---- settings on the pages ----------------------------------------------------------------

// In the order the run loosens them.
void TipComputation::showRelaxedParameters(const TipParameters &parameters) {
    m_ui.parameters.write(parameters, relaxedParameters());
}

// Pressing or releasing the mouse on the spin buttons keeps minimum even plus odd within six and
// the shared-number limits in order.
void TipComputation::coupleSpinFields(QObject *watched, bool press) {
    const ComputationControls &ui = m_ui;
    if (watched == ui.minEven) {
        ui.minEven->setMaximum(kNumbersPerTip - ui.minOdd->value());
    } else if (watched == ui.minOdd) {
        ui.minOdd->setMaximum(kNumbersPerTip - ui.minEven->value());
    } else if (watched == ui.maxShared && press) {
        ui.minShared->setMaximum(ui.maxShared->value());
        ui.maxShared->setMinimum(ui.minShared->value());
    } else if (watched == ui.minShared && !press) {
        ui.maxShared->setMinimum(ui.minShared->value());
    }
}

bool TipComputation::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_sources.window && event->type() == QEvent::Close && m_run.running()) {
        // The window closes once the run has ended and put the relaxed settings back.
        m_run.requestStopAndClose();
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->isAmbiguous() &&
        watched == m_ui.compute) {
        // Alt+B is also the menu item "&Berechnen", which does the same: an ambiguous press
        // would only move the focus to the button, so it computes (or stops) as the menu would.
        m_ui.compute->click();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)
        coupleSpinFields(watched, event->type() == QEvent::MouseButtonPress);
    return QObject::eventFilter(watched, event);
}

// ---- the run ------------------------------------------------------------------------------

// Painting the whole window takes milliseconds; rows that follow each other quickly (the rest of
// a stopped run) are painted together.
void TipComputation::repaintWindow() {
    QWidget *window = m_sources.window;
    if (!window) return;
    if (m_sinceRepaint.isValid() && m_sinceRepaint.elapsed() < kRepaintIntervalMs) {
        window->update();
        return;
    }
    window->repaint();
    m_sinceRepaint.start();
}

void TipComputation::beginRun() {
    m_run.begin();
}

// The window's wish to close during the run is kept for the end of computeOrStop.
void TipComputation::endRun() {
    m_closeAfterRun = m_run.end() || m_closeAfterRun;
}

ComputationRequest TipComputation::requestFor(std::span<const Draw> draws) const {
    ComputationRequest request;
    request.draws = draws;
    const StatisticsWindow window = m_sources.statisticsWindow();
    request.startDate = window.startDate;
    request.endDate = window.endDate;
    request.saturday = window.saturday;
    request.wednesday = window.wednesday;
    request.parameters = readParameters();
    request.sheet = m_sources.sheet();
    return request;
}

// OK keeps the pool, "&Rechnen" replaces it with the list as edited, any other close cancels.
NumberListAnswer TipComputation::askNumberList(const NumberPool &pool) {
    m_numberList.setWindowTitle(message(Msg::NumberListTitle));
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    std::optional<NumberPool> chosen = m_numberList.choosePool(pool);
    QApplication::restoreOverrideCursor();
    if (!chosen) return {NumberListAnswer::Kind::Cancel, {}};
    return {NumberListAnswer::Kind::Replace, std::move(*chosen)};
}

// What the run tells the window while it goes: progress in the status bar, stop requests and
// settings changed meanwhile, relaxed settings on the pages, statistics on the chart, the list.
ComputationHost TipComputation::makeHost() {
    ComputationHost host;
    host.progress = [this, rowWord = message(Msg::TipWord).toStdString()](const ComputationProgress &progress,
                                                                          TipParameters &parameters) {
        if (progress.candidate[0] != 0)
            m_sources.setStatus(QString::fromStdString(
                candidateStatusText(progress.row, progress.candidate, progress.crossSum, rowWord)));
        Q_EMIT progressed(progress.row, progress.runs);
        QCoreApplication::processEvents();
        if (m_run.stopRequested()) return false;
        parameters = readParameters();
        return true;
    };
    host.parametersChanged = [this](const TipParameters &parameters, std::int64_t) {
        showRelaxedParameters(parameters);
    };
    host.pool.stepStarted = [this](Msg stepMessage) {
        m_sources.setStatus(message(Msg::StatisticRunning) + u' ' + message(stepMessage));
    };
    host.pool.statistic = [this](const NumberStatistics &statistics) {
        m_sources.showStatistic(statistics);
        m_sources.showChartPage();
        repaintWindow();
    };
    host.pool.status = [this](const std::string &text) { m_sources.setStatus(QString::fromStdString(text)); };
    host.numberList = [this](const NumberPool &pool) { return askNumberList(pool); };
    host.generationStarted = [this] {
        m_sources.setStatus(message(Msg::TipsComputing));
        m_sources.showSheetPage();
    };
    host.rowCommitted = [this](int row, const ComputedRow &computed) {
        m_sources.showSheetPage();
        m_sources.showRow(row, computed);
        repaintWindow();
    };
    return host;
}

void TipComputation::showOutcome(const Result<ComputationResult> &result, const TipParameters &saved) {
    if (!result) {
        endRun();
        showRelaxedParameters(saved);
        showError(errorText(m_messages, result.error()));
        return;
    }
    if (result->status == ComputationStatus::Cancelled) {
        endRun();
        return;
    }
    m_sources.setStatus(message(statusMessage(result->status)));
    showRelaxedParameters(result->parameters);
    endRun();
    m_lastResult = *result;
    m_sources.evaluate();
}

void TipComputation::computeOrStop() {
    if (m_run.running()) {
        m_run.requestStop();
        return;
    }
    // Settings no tip can meet are refused before the sheet is cleared.
    if (Result<void> checked = checkComputationSettings(readParameters()); !checked) {
        showError(errorText(m_messages, checked.error()));
        return;
    }
    beginRun();
    std::optional<WaitCursor> wait(std::in_place);
    Result<std::vector<Draw>> draws = m_sources.drawFile().readAll();
    if (!draws) {
        wait.reset();
        endRun();
        showError(errorText(m_messages, draws.error()));
        return;
    }
    const ComputationRequest request = requestFor(*draws);
    m_sources.clearSheet();
    const Result<ComputationResult> result = runComputation(request, m_random, makeHost());
    wait.reset();
    showOutcome(result, request.parameters);
    Q_EMIT finished();
    if (m_closeAfterRun) {
        m_closeAfterRun = false;
        if (m_sources.window) m_sources.window->close();
    }
}

// ---- seeding ------------------------------------------------------------------------------

void TipComputation::seedRandom() {
    const QString proposal = QString::number(m_random.below(99999));
    const std::optional<QString> answer =
        Prompts::input(m_sources.window, message(Msg::SeedPrompt) + u" (1-99999999)?"_s,
                       message(Msg::SeedCaption), proposal);
    const QString text = answer ? *answer : proposal;
    if (const std::optional<int> seed = seedFromAnswer(m_random, text.toStdString()))
        m_sources.setStatus(message(Msg::SeedSet) + u' ' + QString::number(*seed));
}

} // namespace quorix
