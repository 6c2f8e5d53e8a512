// The parameter analysis ("Historische Analyse der Parameter beginnenden mit oben gewähltem
// Datum"): the walk-forward test of the computation, its progress, its stop and its report.
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

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "app/computation/windowcomputation.h"
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
                                         std::uint32_t seed, bool recomputeOnlyAfterWin) {
    ParameterAnalysisRequest request;
    request.startDate = computation.startDate;
    request.fromDate = chosen;
    request.today = serialFromDate(QDate::currentDate());
    request.saturday = computation.saturday;
    request.wednesday = computation.wednesday;
    request.parameters = computation.parameters;
    request.sheet = computation.sheet;
    request.seed = seed;
    request.recomputeOnlyAfterWin = recomputeOnlyAfterWin;
    return request;
}

ParameterReportTexts reportTexts(const LottoZahlen &window) {
    return {window.message(Msg::ParameterAnalysisTitle).toStdString(),
            window.message(Msg::Draws).toStdString(), window.message(Msg::AnalysisStopped).toStdString(),
            window.message(Msg::ChanceTitle).toStdString()};
}

void showSheet(LottoZahlen &window, const TipSheet &sheet) {
    for (int r = 0; r < kTipRowCount; ++r) {
        const TipRow &row = sheet.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < kNumbersPerTip; ++c)
            window.tipField(r, c)->setText(QString::fromStdString(row.numbers[static_cast<std::size_t>(c)]));
        window.luckyBox(r)->setCurrentText(QString::fromStdString(row.lucky));
    }
}

} // namespace

void LottoZahlen::BitBtn9Click() {
    if (m_computation->running()) return;
    NumberListOff listOff(qobject_cast<QCheckBox *>(parameterControl(*findTipParameter("showNumberList"))));
    const DaySerial chosen = serialFromDate(m_ui.endDate->date());
    SpeedButton5Click();

    const std::optional<QString> answer =
        Prompts::input(this, message(Msg::SeedPrompt) + u" (1-99999999)?"_s, message(Msg::SeedCaption),
                       QString::number(m_random.state()));
    if (!answer) return; // cancelled: the player asked for no walk
    const std::optional<std::uint32_t> seed = seedFromText(*answer);
    const Result<std::vector<Draw>> draws = drawFile().readAll();
    if (!seed || !draws) {
        Prompts::message(this, windowTitle(), message(Msg::AnalysisFailed));
        return;
    }
    m_random.seed(*seed);
    setStatusText(1, message(Msg::SeedCaption) + u' ' + answer->trimmed());

    const ParameterAnalysisRequest request = analysisRequest(m_computation->requestFor(*draws), chosen, *seed,
                                                             m_ui.recomputeAfterWin->isChecked());

    m_computation->beginOuterRun();
    QElapsedTimer elapsed;
    elapsed.start();
    QElapsedTimer sinceShown;
    const auto showProgress = [&](const AnalysisTurn &turn) {
        if (sinceShown.isValid() && sinceShown.elapsed() < kProgressIntervalMs) return;
        sinceShown.start();
        setStatusText(0, u"%1 %2  %3  %4"_s.arg(message(Msg::AnalysisRunning))
                             .arg(turn.turn)
                             .arg(QString::fromStdString(formatDmy(turn.checked.draw.date)))
                             .arg(seconds(elapsed)));
        repaint();
        QCoreApplication::processEvents();
    };
    const Result<ParameterAnalysis> analysis =
        analyseParameters(*draws, request, m_random, [&](const AnalysisTurn &turn) {
            showProgress(turn);
            return !m_computation->stopRequested();
        });
    const bool closeAfter = m_computation->endOuterRun();

    const QString path = QDir(m_programFolder).filePath(QString::fromLatin1(kReportName));
    const Result<void> written = analysis
                                     ? writeReport(path, parameterReportText(*analysis, reportTexts(*this)))
                                     : Result<void>(analysis.error());
    if (!written) {
        setStatusText(0, QString());
        // A report that cannot be written is named as the repetition analysis names its own.
        Prompts::message(this, windowTitle(),
                         analysis ? QString::fromStdString(written.error().message)
                                  : message(Msg::AnalysisFailed));
    } else {
        setStatusText(0, u"%1 %2  %3"_s.arg(analysis->turns).arg(message(Msg::Draws)).arg(seconds(elapsed)));
        // The sheet keeps the last computation's tips; the current draw is the last one checked.
        showSheet(*this, analysis->sheet);
        setEndDate(analysis->endDate);
        SpeedButton5Click();
        openDocument(path);
    }
    // Closing writes the settings: the number list's box is ticked again before.
    listOff.restore();
    if (closeAfter) close();
}

} // namespace quorix
