#include "app/language/errortext.h"
#include "app/analysis/parameteranalysisrun.h"

#include <cstdint>
#include <limits>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QFile>

#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "core/analysis/parameteranalysis.h"
#include "core/base/atomicfile.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

constexpr int kProgressIntervalMs = 30;
constexpr char kReportName[] = "Test.txt";

// The number list would stop every turn of the walk; its box is unticked for the walk and ticked
// again afterwards, however the walk ends.
class NumberListOff {
public:
    explicit NumberListOff(QCheckBox *box)
        : m_box(box)
        , m_ticked(box && box->isChecked()) {
        if (m_box) m_box->setChecked(false);
    }
    ~NumberListOff() { restore(); }
    void restore() {
        if (m_box) m_box->setChecked(m_ticked);
    }
    NumberListOff(const NumberListOff &) = delete;
    NumberListOff &operator=(const NumberListOff &) = delete;

private:
    QCheckBox *m_box;
    bool m_ticked;
};

QString seconds(const QElapsedTimer &timer) {
    return QLocale().toString(static_cast<double>(timer.elapsed()) / 1000.0, 'f', 1) + u" s"_s;
}

// The generator's state is proposed as it stands, unsigned; any 32-bit integer is taken, a
// negative one as its bit pattern, so that OK on the proposal always walks.
std::optional<std::uint32_t> seedFromText(const QString &text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

// Replaced as a whole like the other reports: a file or link planted under the name is replaced,
// never written through.
Result<void> writeReport(const QString &path, const std::string &text) {
    return writeAtomically(std::filesystem::path(QFile::encodeName(path).toStdString()), text);
}

// The walk's request: the computation's inputs as the compute button would take them, from the
// chosen end date on, with the seed of every turn.
ParameterAnalysisRequest analysisRequest(const ComputationRequest &computation, DaySerial chosen,
                                         DaySerial today, std::uint32_t seed, bool recomputeOnlyAfterWin) {
    ParameterAnalysisRequest request;
    request.startDate = computation.startDate;
    request.fromDate = chosen;
    request.today = today;
    request.saturday = computation.saturday;
    request.wednesday = computation.wednesday;
    request.parameters = computation.parameters;
    request.sheet = computation.sheet;
    request.seed = seed;
    request.recomputeOnlyAfterWin = recomputeOnlyAfterWin;
    return request;
}

} // namespace

ParameterAnalysisRun::ParameterAnalysisRun(ParameterAnalysisControls controls, const MessageTable &messages,
                                           RunState &runState, Random &random, Today today,
                                           RequestSource request, AnalysisSources sources, QObject *parent)
    : QObject(parent)
    , m_ui(controls)
    , m_messages(messages)
    , m_run(runState)
    , m_random(random)
    , m_today(std::move(today))
    , m_request(std::move(request))
    , m_sources(std::move(sources)) {}

ParameterReportTexts ParameterAnalysisRun::reportTexts() const {
    return {message(Msg::ParameterAnalysisTitle).toStdString(), message(Msg::Draws).toStdString(),
            message(Msg::AnalysisStopped).toStdString(), message(Msg::ChanceTitle).toStdString()};
}

void ParameterAnalysisRun::run() {
    if (m_run.running()) return;
    QWidget *window = m_sources.window;
    NumberListOff listOff(m_ui.numberList);
    const DaySerial chosen = m_sources.endDate();
    m_sources.evaluate();

    const std::optional<QString> answer =
        Prompts::input(window, message(Msg::SeedPrompt) + u" (1-99999999)?"_s, message(Msg::SeedCaption),
                       QString::number(m_random.state()));
    if (!answer) return; // cancelled: the player asked for no walk
    const std::optional<std::uint32_t> seed = seedFromText(*answer);
    const Result<std::vector<Draw>> draws = m_sources.drawFile().readAll();
    if (!seed || !draws) {
        Prompts::message(window, window->windowTitle(), message(Msg::AnalysisFailed));
        return;
    }
    m_random.seed(*seed);
    m_sources.setStatus(1, message(Msg::SeedCaption) + u' ' + answer->trimmed());

    const ParameterAnalysisRequest request =
        analysisRequest(m_request(*draws), chosen, m_today(), *seed, m_ui.recomputeAfterWin->isChecked());

    m_run.begin();
    QElapsedTimer elapsed;
    elapsed.start();
    QElapsedTimer sinceShown;
    const auto showProgress = [&](const AnalysisTurn &turn) {
        if (sinceShown.isValid() && sinceShown.elapsed() < kProgressIntervalMs) return;
        sinceShown.start();
        m_sources.setStatus(0, u"%1 %2  %3  %4"_s.arg(message(Msg::AnalysisRunning))
                                   .arg(turn.turn)
                                   .arg(QString::fromStdString(formatDmy(turn.checked.draw.date)))
                                   .arg(seconds(elapsed)));
        window->repaint();
        QCoreApplication::processEvents();
    };
    const Result<ParameterAnalysis> analysis =
        analyseParameters(*draws, request, m_random, [&](const AnalysisTurn &turn) {
            showProgress(turn);
            return !m_run.stopRequested();
        });
    const bool closeAfter = m_run.end();

    const QString path = QDir(m_sources.programFolder()).filePath(QString::fromLatin1(kReportName));
    const Result<void> written = analysis ? writeReport(path, parameterReportText(*analysis, reportTexts()))
                                          : Result<void>(analysis.error());
    if (!written) {
        m_sources.setStatus(0, QString());
        // A report that cannot be written is named as the repetition analysis names its own.
        Prompts::message(window, window->windowTitle(),
                         analysis ? errorText(m_messages, written.error()) : message(Msg::AnalysisFailed));
    } else {
        m_sources.setStatus(
            0, u"%1 %2  %3"_s.arg(analysis->turns).arg(message(Msg::Draws)).arg(seconds(elapsed)));
        // The sheet keeps the last computation's tips; the current draw is the last one checked.
        m_sources.showSheetRows(analysis->sheet);
        m_sources.setEndDate(analysis->endDate);
        m_sources.evaluate();
        m_sources.openDocument(path);
    }
    // Closing writes the settings: the number list's box is ticked again before.
    listOff.restore();
    if (closeAfter) window->close();
}

} // namespace quorix
