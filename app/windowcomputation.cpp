#include "app/windowcomputation.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "app/controltables.h"
#include "app/lottozahlen.h"
#include "app/numberdialog.h"
#include "app/prompts.h"
#include "app/statisticschart.h"
#include "app/windowcharts.h"
#include "core/calendar.h"
#include "core/lucky.h"
#include "app/uihelpers.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

// The spin fields whose limits follow each other.
constexpr char kMinEven[] = "Edit89";
constexpr char kMinOdd[] = "Edit90";
constexpr char kMaxShared[] = "Edit39";
constexpr char kMinShared[] = "Edit88";

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

} // namespace

WindowComputation::WindowComputation(LottoZahlen &window)
    : QObject(&window)
    , m_window(window) {
    setObjectName(u"WindowComputation"_s);
    enableControls();
    connect(computeButton(), &QPushButton::clicked, this, &WindowComputation::Label28Click);
    computeButton()->installEventFilter(this);
    if (auto *seed = window.control<QAbstractButton>(u"SpeedButton13"_s))
        connect(seed, &QAbstractButton::clicked, this, &WindowComputation::SpeedButton13Click);
    for (const char *name : {kMinEven, kMinOdd, kMaxShared, kMinShared})
        if (QWidget *spin = window.control(QString::fromLatin1(name))) spin->installEventFilter(this);
    window.installEventFilter(this);
    orderCrossSumFields();
}

void WindowComputation::orderCrossSumFields() {
    auto *minimum = m_window.control<QSpinBox>(u"Edit37"_s);
    auto *maximum = m_window.control<QSpinBox>(u"Edit38"_s);
    if (minimum && maximum) new OrderedSpinPair(minimum, maximum, this);
}

WindowComputation::~WindowComputation() = default;

WindowComputation *WindowComputation::of(const LottoZahlen &window) {
    return window.findChild<WindowComputation *>(u"WindowComputation"_s, Qt::FindDirectChildrenOnly);
}

QPushButton *WindowComputation::computeButton() const {
    return m_window.control<QPushButton>(u"TippsBerechnen"_s);
}

void WindowComputation::enableControls() {
    for (const TipParameterInfo &info : tipParameterTable()) {
        QWidget *widget = m_window.control(nameOf(info.control.empty() ? info.spinner : info.control));
        if (!widget || info.name == "countBonusHit") continue;
        widget->setEnabled(true);
        for (QRadioButton *item : widget->findChildren<QRadioButton *>())
            item->setEnabled(true);
    }
    for (const char *name : {"SpeedButton13", "TippsBerechnen"})
        if (QWidget *widget = m_window.control(QString::fromLatin1(name))) widget->setEnabled(true);
}

// ---- settings on the pages ----------------------------------------------------------------

TipParameters WindowComputation::readParameters() const {
    return m_window.tipParameters();
}

void WindowComputation::showParameters(const TipParameters &p,
                                       std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        const TipParameterInfo *info = findTipParameter(name);
        if (!info) continue;
        QWidget *widget = m_window.control(nameOf(info->control.empty() ? info->spinner : info->control));
        if (info->isFlag()) {
            if (auto *box = qobject_cast<QCheckBox *>(widget)) box->setChecked(p.*info->flag);
        } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            spin->setValue(p.*info->value);
        } else if (widget) {
            if (auto *item = widget->findChild<QRadioButton *>(widget->objectName() + u"Item"_s +
                                                               QString::number(p.*info->value)))
                item->setChecked(true);
        }
    }
}

void WindowComputation::showAllParameters(const TipParameters &parameters) {
    m_window.setTipParameters(parameters);
}

// Pressing or releasing the mouse on the spin buttons keeps minimum even plus odd within six and
// the shared-number limits in order.
void WindowComputation::coupleSpinFields(QObject *watched, bool press) {
    auto spin = [this](const char *name) { return m_window.control<QSpinBox>(QString::fromLatin1(name)); };
    QSpinBox *minEven = spin(kMinEven);
    QSpinBox *minOdd = spin(kMinOdd);
    QSpinBox *maxShared = spin(kMaxShared);
    QSpinBox *minShared = spin(kMinShared);
    if (watched == minEven) {
        minEven->setMaximum(6 - minOdd->value());
    } else if (watched == minOdd) {
        minOdd->setMaximum(6 - minEven->value());
    } else if (watched == maxShared && press) {
        minShared->setMaximum(maxShared->value());
        maxShared->setMinimum(minShared->value());
    } else if (watched == minShared && !press) {
        maxShared->setMinimum(minShared->value());
    }
}

bool WindowComputation::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &m_window && event->type() == QEvent::Close && m_running) {
        // The window closes once the run has ended and put the relaxed settings back.
        m_closeAfterRun = true;
        computeButton()->setText(QString());
        event->ignore();
        return true;
    }
    // Test the event type first: the window's control table is gone while it is destroyed.
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        if (auto *button = qobject_cast<QPushButton *>(watched); button && button == computeButton()) {
            // Alt+B is also the menu item "&Berechnen", which does the same: an ambiguous press
            // would only move the focus to the button, so it computes (or stops) as the menu would.
            button->click();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)
        coupleSpinFields(watched, event->type() == QEvent::MouseButtonPress);
    return QObject::eventFilter(watched, event);
}

// ---- the run ------------------------------------------------------------------------------

void WindowComputation::showComputationPage(bool chart) {
    QTabWidget *pages = m_window.pages();
    const QWidget *target = chart ? m_window.control(u"Chart1"_s) : m_window.control(u"TabSheet1"_s);
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i) == target || pages->widget(i)->isAncestorOf(target)) pages->setCurrentIndex(i);
}

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

bool WindowComputation::stopRequested() const {
    return computeButton()->text() != m_window.message(16);
}

std::optional<NumberListAnswer> WindowComputation::askNumberList(const NumberPool &pool) {
    WindowCharts *charts = WindowCharts::of(m_window);
    if (!charts) return std::nullopt;
    NumberDialog &dialog = charts->numberDialog();
    dialog.setWindowTitle(m_window.message(36));
    dialog.fillFromPool(pool);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = dialog.exec();
    QApplication::restoreOverrideCursor();
    NumberListAnswer result;
    if (answer == QDialog::Accepted) {
        result.kind = NumberListAnswer::Kind::Keep;
    } else if (answer == NumberDialog::Retry) {
        result.kind = NumberListAnswer::Kind::Replace;
        result.pool = dialog.poolFromList();
    } else {
        result.kind = NumberListAnswer::Kind::Cancel;
    }
    return result;
}

void WindowComputation::Label28Click() {
    QPushButton *button = computeButton();
    if (button->text() == m_window.message(16)) {
        button->setText(QString());
        return;
    }
    // A further click while a stop is on its way changes nothing.
    if (m_running) return;

    const auto started = std::chrono::steady_clock::now();
    m_running = true;
    const QString savedCaption = button->text();
    button->setText(m_window.message(16));
    m_window.setCheckEnabled(false);

    auto finish = [&] {
        m_window.setCheckEnabled(true);
        button->setText(savedCaption);
        m_running = false;
    };

    std::optional<WaitCursor> wait(std::in_place);
    Result<std::vector<Draw>> draws = m_window.drawFile().readAll();
    if (!draws) {
        wait.reset();
        finish();
        Prompts::message(&m_window, m_window.windowTitle(), QString::fromStdString(draws.error().message));
        return;
    }

    ComputationRequest request;
    request.draws = *draws;
    const StatisticsWindow window = m_window.statisticsWindow();
    request.startDate = window.startDate;
    request.endDate = window.endDate;
    request.saturday = window.saturday;
    request.wednesday = window.wednesday;
    request.parameters = readParameters();
    request.sheet = m_window.tipSheet();
    const TipParameters saved = request.parameters;

    m_window.SpeedButton11Click();

    StatisticsChart *chart = WindowCharts::of(m_window) ? &WindowCharts::of(m_window)->chart() : nullptr;
    const std::string rowWord = m_window.message(24).toStdString();
    ComputationHost host;
    host.progress = [&](const ComputationProgress &progress, TipParameters &parameters) {
        if (progress.candidate[0] != 0)
            m_window.setStatusText(1, QString::fromStdString(candidateStatusText(
                                          progress.row, progress.candidate, progress.crossSum, rowWord)));
        Q_EMIT progressed(progress.row, progress.runs);
        QCoreApplication::processEvents();
        if (stopRequested()) return false;
        parameters = readParameters();
        return true;
    };
    host.parametersChanged = [&](const TipParameters &parameters, std::int64_t) {
        for (const TipParameterInfo *info : relaxedParameters())
            showParameters(parameters, {info->name});
    };
    host.pool.stepStarted = [&](Msg stepMessage) {
        m_window.setStatusText(1, m_window.message(17) + u' ' + m_window.message(messageIndex(stepMessage)));
    };
    host.pool.statistic = [&](const NumberStatistics &statistics) {
        if (chart) chart->show(statistics);
        showComputationPage(true);
        repaintWindow();
    };
    host.pool.status = [&](const std::string &text) {
        m_window.setStatusText(1, QString::fromStdString(text));
    };
    host.numberList = [&](const NumberPool &pool) {
        std::optional<NumberListAnswer> answer = askNumberList(pool);
        return answer ? std::move(*answer) : NumberListAnswer{};
    };
    host.generationStarted = [&] {
        m_window.setStatusText(1, m_window.message(23));
        showComputationPage(false);
    };
    host.rowCommitted = [&](int row, const ComputedRow &computed) {
        showComputationPage(false);
        for (int i = 0; i < 6; ++i)
            m_window.tipField(row - 1, i)
                ->setText(QString::number(computed.numbers[static_cast<std::size_t>(i)]));
        const TipRowControls &rowControls = kTipRows[static_cast<std::size_t>(row - 1)];
        if (!computed.locked)
            m_window.control<QLabel>(QString::fromLatin1(rowControls.crossSum))
                ->setText(QString::number(computed.crossSum));
        m_window.control<QComboBox>(QString::fromLatin1(rowControls.lucky))
            ->setCurrentText(QString::fromStdString(computed.lucky));
        repaintWindow();
    };

    Result<ComputationResult> result = runComputation(request, m_window.random(), host);
    wait.reset();
    m_lastDuration =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    if (!result) {
        finish();
        for (const TipParameterInfo *info : relaxedParameters())
            showParameters(saved, {info->name});
        Prompts::message(&m_window, m_window.windowTitle(), QString::fromStdString(result.error().message));
    } else if (result->status == ComputationStatus::Cancelled) {
        finish();
    } else {
        m_window.setCheckEnabled(true);
        m_window.setStatusText(1, m_window.message(messageIndex(statusMessage(result->status))));
        for (const TipParameterInfo *info : relaxedParameters())
            showParameters(result->parameters, {info->name});
        button->setText(savedCaption);
        m_running = false;
        m_lastResult = std::move(*result);
        m_window.SpeedButton5Click();
        m_window.Komplettcheck();
    }
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
        Prompts::input(&m_window, m_window.message(30) + u" (1-99999999)?"_s, m_window.message(31), proposal);
    const QString text = answer ? *answer : proposal;
    if (const std::optional<int> seed = seedFromAnswer(random, text.toStdString()))
        m_window.setStatusText(1, m_window.message(32) + u' ' + QString::number(*seed));
}

} // namespace quorix
