#include "app/computation/windowcomputation.h"

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

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/numberdialog.h"
#include "app/widgets/prompts.h"
#include "app/charts/statisticschart.h"
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

QString nameOf(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString controlNameOf(const TipParameterInfo &info) {
    return nameOf(info.control.empty() ? info.spinner : info.control);
}

} // namespace

WindowComputation::WindowComputation(LottoZahlen &window, NumberDialog &numberList, StatisticsChart &chart)
    : QObject(&window)
    , m_window(window)
    , m_numberList(numberList)
    , m_chart(chart) {
    enableControls();
    const LottoZahlen::Controls &ui = window.ui();
    connect(ui.compute, &QPushButton::clicked, this, &WindowComputation::Label28Click);
    ui.compute->installEventFilter(this);
    connect(ui.seed, &QAbstractButton::clicked, this, &WindowComputation::SpeedButton13Click);
    for (QSpinBox *spin : {ui.minEven, ui.minOdd, ui.maxShared, ui.minShared})
        spin->installEventFilter(this);
    window.installEventFilter(this);
    orderCrossSumFields();
    connect(&window, &LottoZahlen::languageChanged, this, &WindowComputation::followLanguage);
}

// A language loaded during a run gave the button its idle caption in the new language; the run
// keeps showing its own.
void WindowComputation::followLanguage() {
    if (!m_running) return;
    m_idleCaption = computeButton()->text();
    computeButton()->setText(m_stopRequested ? QString() : m_window.message(Msg::Stop));
}

void WindowComputation::orderCrossSumFields() {
    new OrderedSpinPair(m_window.ui().minCrossSum, m_window.ui().maxCrossSum, this);
}

WindowComputation::~WindowComputation() = default;

QPushButton *WindowComputation::computeButton() const {
    return m_window.ui().compute;
}

void WindowComputation::enableControls() {
    for (const TipParameterInfo &info : tipParameterTable()) {
        QWidget *widget = m_window.control(controlNameOf(info));
        if (!widget || info.name == "countBonusHit") continue;
        widget->setEnabled(true);
        for (QRadioButton *item : widget->findChildren<QRadioButton *>())
            item->setEnabled(true);
    }
    m_window.ui().seed->setEnabled(true);
    m_window.ui().compute->setEnabled(true);
}

// ---- settings on the pages ----------------------------------------------------------------

TipParameters WindowComputation::readParameters() const {
    return m_window.tipParameters();
}

void WindowComputation::showAllParameters(const TipParameters &parameters) {
    m_window.setTipParameters(parameters);
}

// In the order the run loosens them.
void WindowComputation::showRelaxedParameters(const TipParameters &p) {
    for (const TipParameterInfo *info : relaxedParameters()) {
        QWidget *widget = m_window.control(controlNameOf(*info));
        if (auto *box = qobject_cast<QCheckBox *>(widget); box && info->isFlag())
            box->setChecked(p.*info->flag);
        else if (auto *spin = qobject_cast<QSpinBox *>(widget); spin && !info->isFlag())
            spin->setValue(p.*info->value);
    }
}

// Pressing or releasing the mouse on the spin buttons keeps minimum even plus odd within six and
// the shared-number limits in order.
void WindowComputation::coupleSpinFields(QObject *watched, bool press) {
    const LottoZahlen::Controls &ui = m_window.ui();
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

bool WindowComputation::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &m_window && event->type() == QEvent::Close && m_running) {
        // The window closes once the run has ended and put the relaxed settings back.
        m_closeAfterRun = true;
        requestStop();
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->isAmbiguous() &&
        watched == computeButton()) {
        // Alt+B is also the menu item "&Berechnen", which does the same: an ambiguous press
        // would only move the focus to the button, so it computes (or stops) as the menu would.
        computeButton()->click();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)
        coupleSpinFields(watched, event->type() == QEvent::MouseButtonPress);
    return QObject::eventFilter(watched, event);
}

// ---- the run ------------------------------------------------------------------------------

// Painting the whole window takes milliseconds; rows that follow each other quickly (the rest of
// a stopped run) are painted together.
void WindowComputation::repaintWindow() {
    if (m_sinceRepaint.isValid() && m_sinceRepaint.elapsed() < kRepaintIntervalMs) {
        m_window.update();
        return;
    }
    m_window.repaint();
    m_sinceRepaint.start();
}

// The run's state lives here; the button's caption only shows it ("Stopp" during a run, nothing
// while a stop is on its way), so a missing message text cannot keep a run from stopping.
void WindowComputation::beginRun() {
    m_running = true;
    m_stopRequested = false;
    m_idleCaption = computeButton()->text();
    computeButton()->setText(m_window.message(Msg::Stop));
    m_window.setCheckEnabled(false);
}

void WindowComputation::endRun() {
    m_window.setCheckEnabled(true);
    computeButton()->setText(m_idleCaption);
    m_running = false;
    m_stopRequested = false;
}

bool WindowComputation::endOuterRun() {
    endRun();
    const bool close = m_closeAfterRun;
    m_closeAfterRun = false;
    return close;
}

void WindowComputation::requestStop() {
    m_stopRequested = true;
    computeButton()->setText(QString());
}

ComputationRequest WindowComputation::requestFor(std::span<const Draw> draws) const {
    ComputationRequest request;
    request.draws = draws;
    const StatisticsWindow window = m_window.statisticsWindow();
    request.startDate = window.startDate;
    request.endDate = window.endDate;
    request.saturday = window.saturday;
    request.wednesday = window.wednesday;
    request.parameters = readParameters();
    request.sheet = m_window.tipSheet();
    return request;
}

// OK keeps the pool, "&Rechnen" replaces it with the list as edited, any other close cancels.
NumberListAnswer WindowComputation::askNumberList(const NumberPool &pool) {
    m_numberList.setWindowTitle(m_window.message(Msg::NumberListTitle));
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    std::optional<NumberPool> chosen = m_numberList.choosePool(pool);
    QApplication::restoreOverrideCursor();
    if (!chosen) return {NumberListAnswer::Kind::Cancel, {}};
    return {NumberListAnswer::Kind::Replace, std::move(*chosen)};
}

void WindowComputation::showComputedRow(int row, const ComputedRow &computed) {
    m_window.showPage(LottoZahlen::Page::TipSheet);
    for (int i = 0; i < kNumbersPerTip; ++i)
        m_window.tipField(row - 1, i)
            ->setText(QString::number(computed.numbers[static_cast<std::size_t>(i)]));
    if (!computed.locked) m_window.crossSumLabel(row - 1)->setText(QString::number(computed.crossSum));
    m_window.luckyBox(row - 1)->setCurrentText(QString::fromStdString(computed.lucky));
    repaintWindow();
}

// What the run tells the window while it goes: progress in the status bar, stop requests and
// settings changed meanwhile, relaxed settings on the pages, statistics on the chart, the list.
ComputationHost WindowComputation::makeHost() {
    ComputationHost host;
    host.progress = [this, rowWord = m_window.message(Msg::TipWord).toStdString()](
                        const ComputationProgress &progress, TipParameters &parameters) {
        if (progress.candidate[0] != 0)
            m_window.setStatusText(1, QString::fromStdString(candidateStatusText(
                                          progress.row, progress.candidate, progress.crossSum, rowWord)));
        Q_EMIT progressed(progress.row, progress.runs);
        QCoreApplication::processEvents();
        if (m_stopRequested) return false;
        parameters = readParameters();
        return true;
    };
    host.parametersChanged = [this](const TipParameters &parameters, std::int64_t) {
        showRelaxedParameters(parameters);
    };
    host.pool.stepStarted = [this](Msg stepMessage) {
        m_window.setStatusText(1, m_window.message(Msg::StatisticRunning) + u' ' +
                                      m_window.message(stepMessage));
    };
    host.pool.statistic = [this](const NumberStatistics &statistics) {
        m_chart.show(statistics);
        m_window.showPage(LottoZahlen::Page::Chart);
        repaintWindow();
    };
    host.pool.status = [this](const std::string &text) {
        m_window.setStatusText(1, QString::fromStdString(text));
    };
    host.numberList = [this](const NumberPool &pool) { return askNumberList(pool); };
    host.generationStarted = [this] {
        m_window.setStatusText(1, m_window.message(Msg::TipsComputing));
        m_window.showPage(LottoZahlen::Page::TipSheet);
    };
    host.rowCommitted = [this](int row, const ComputedRow &computed) { showComputedRow(row, computed); };
    return host;
}

void WindowComputation::showOutcome(const Result<ComputationResult> &result, const TipParameters &saved) {
    if (!result) {
        endRun();
        showRelaxedParameters(saved);
        Prompts::message(&m_window, m_window.windowTitle(), QString::fromStdString(result.error().message));
        return;
    }
    if (result->status == ComputationStatus::Cancelled) {
        endRun();
        return;
    }
    m_window.setStatusText(1, m_window.message(statusMessage(result->status)));
    showRelaxedParameters(result->parameters);
    endRun();
    m_lastResult = *result;
    m_window.SpeedButton5Click();
    m_window.Komplettcheck();
}

void WindowComputation::Label28Click() {
    if (m_running) {
        requestStop();
        return;
    }
    // Settings no tip can meet are refused before the sheet is cleared.
    if (Result<void> checked = checkComputationSettings(readParameters()); !checked) {
        Prompts::message(&m_window, m_window.windowTitle(), QString::fromStdString(checked.error().message));
        return;
    }
    beginRun();
    std::optional<WaitCursor> wait(std::in_place);
    Result<std::vector<Draw>> draws = m_window.drawFile().readAll();
    if (!draws) {
        wait.reset();
        endRun();
        Prompts::message(&m_window, m_window.windowTitle(), QString::fromStdString(draws.error().message));
        return;
    }
    const ComputationRequest request = requestFor(*draws);
    m_window.SpeedButton11Click();
    const Result<ComputationResult> result = runComputation(request, m_window.random(), makeHost());
    wait.reset();
    showOutcome(result, request.parameters);
    Q_EMIT finished();
    if (m_closeAfterRun) {
        m_closeAfterRun = false;
        m_window.close();
    }
}

// ---- seeding ------------------------------------------------------------------------------

void WindowComputation::SpeedButton13Click() {
    Random &random = m_window.random();
    const QString proposal = QString::number(random.below(99999));
    const std::optional<QString> answer =
        Prompts::input(&m_window, m_window.message(Msg::SeedPrompt) + u" (1-99999999)?"_s,
                       m_window.message(Msg::SeedCaption), proposal);
    const QString text = answer ? *answer : proposal;
    if (const std::optional<int> seed = seedFromAnswer(random, text.toStdString()))
        m_window.setStatusText(1, m_window.message(Msg::SeedSet) + u' ' + QString::number(*seed));
}

} // namespace quorix
