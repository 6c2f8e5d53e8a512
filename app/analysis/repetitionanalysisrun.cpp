#include "app/language/errortext.h"
#include "app/analysis/repetitionanalysisrun.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWidget>

#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "core/analysis/repetitionanalysis.h"
#include "core/analysis/tipsearch.h"
#include "output/repetitionreport.h"
#include "output/rtffile.h"

namespace quorix {

namespace {

// The wait cursor for the walk, put aside while a box asks the player.
class PausableWaitCursor {
public:
    PausableWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~PausableWaitCursor() { end(); }
    PausableWaitCursor(const PausableWaitCursor &) = delete;
    PausableWaitCursor &operator=(const PausableWaitCursor &) = delete;

    void end() {
        if (m_on) QApplication::restoreOverrideCursor();
        m_on = false;
    }
    void resume() {
        if (!m_on) QApplication::setOverrideCursor(Qt::WaitCursor);
        m_on = true;
    }

private:
    bool m_on = true;
};

// The walk runs through the whole history in a few milliseconds; the window shows a turn at
// most this often, and always before a box asks about it.
constexpr qint64 kPaintIntervalMs = 30;

// The box's text: the message file's line carries no blank before the date.
QString matchQuestion(const MessageTable &messages, DaySerial earlier) {
    return messages.text(Msg::HitsInDrawOf) + u' ' + QString::fromStdString(formatDmy(earlier)) +
           QStringLiteral("  ") + messages.text(Msg::SearchOn);
}

// Panel 0: the date the walk runs up to; panel 1: the turn's date.
void showWalkDates(const AnalysisSources &sources, DaySerial upTo, DaySerial turn) {
    sources.setStatus(0, QString::fromStdString(formatDmy(upTo)));
    sources.setStatus(1, QString::fromStdString(formatDmy(turn)));
}

} // namespace

RepetitionAnalysisRun::RepetitionAnalysisRun(const MessageTable &messages, AnalysisSources sources,
                                             QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_sources(std::move(sources)) {}

void RepetitionAnalysisRun::showError(const QString &text) {
    Prompts::message(m_sources.window, m_sources.window->windowTitle(), text);
}

// Asks for the threshold; nothing when the box is cancelled or the answer is no integer (then
// said in a box).
std::optional<int> RepetitionAnalysisRun::askThreshold() {
    const std::optional<QString> answer =
        Prompts::input(m_sources.window, message(Msg::SearchTitle), message(Msg::RepeatThresholdQuestion),
                       QStringLiteral("6"));
    if (!answer) return std::nullopt;
    const Result<int> threshold = searchThreshold(answer->toStdString());
    if (!threshold) {
        showError(errorText(m_messages, threshold.error()));
        return std::nullopt;
    }
    return *threshold;
}

// Writes Test.rtf; a failure is said in a box.
bool RepetitionAnalysisRun::writeReport(const QString &path, const RepetitionTables &tables) {
    const std::array<std::string, 4> headings = {
        message(Msg::SameAsEarlier).toStdString(), message(Msg::SameAsNext1).toStdString(),
        message(Msg::SameAsNext2).toStdString(), message(Msg::SameAsNext3).toStdString()};
    const Result<void> written =
        RtfFile::write(std::filesystem::path(path.toStdString()), RepetitionReport::lines(tables, headings));
    if (!written) showError(errorText(m_messages, written.error()));
    return bool(written);
}

void RepetitionAnalysisRun::run() {
    QWidget *window = m_sources.window;
    const DrawFile file = m_sources.drawFile();
    const bool hadHistory = file.exists();
    m_sources.evaluate();
    if (!hadHistory) return; // the player has been asked to read the draws first
    m_sources.showSheetPage();
    const std::optional<int> threshold = askThreshold();
    if (!threshold) return;
    Result<std::vector<Draw>> read = file.readAll();
    if (!read) {
        showError(errorText(m_messages, read.error()));
        return;
    }
    const std::vector<Draw> &draws = *read;

    PausableWaitCursor wait;
    m_sources.clearChart();
    m_sources.clearUnlockedUnchecked();
    // The browser shows each turn's draw, row 1 takes its numbers (locked or not; the colours
    // and labels of an earlier check no longer apply; a field takes only numbers of this game,
    // so an old draw's 43..45 leaves it empty), the status bar shows the date the walk
    // runs up to and the turn's date.
    const DaySerial newest = draws.empty() ? 0 : draws.back().date;
    BrowsedDraw turnDraw;
    int turnNumber = 0;
    auto showTurn = [&] {
        m_sources.showSteppedDraw(turnDraw);
        m_sources.showDrawInRowOne(turnDraw.draw);
        // The first turn names a date ten days after its own draw; later turns the newest draw's.
        showWalkDates(m_sources, walkEndShown(turnNumber, turnDraw.draw.date, newest), turnDraw.draw.date);
        window->repaint();
    };

    const StatisticsWindow dates = m_sources.statisticsWindow();
    const RepetitionSettings settings{dates.startDate, dates.endDate, m_sources.weekdays(), *threshold};
    QElapsedTimer sincePaint;
    RepetitionHandler handler;
    handler.turn = [&](int turn, const BrowsedDraw &draw, DaySerial) {
        turnDraw = draw;
        turnNumber = turn;
        if (turn > 1 && sincePaint.isValid() && sincePaint.elapsed() < kPaintIntervalMs) return;
        showTurn();
        sincePaint.start();
    };
    handler.match = [&](const Draw &, const Draw &earlier, int) {
        showTurn();
        wait.end();
        const bool goOn = Prompts::yesNo(window, message(Msg::HitsFound),
                                         matchQuestion(m_messages, earlier.date), Prompts::Default::Yes);
        wait.resume();
        sincePaint.start();
        return goOn;
    };
    const RepetitionOutcome outcome = analyseRepetition(draws, settings, handler);

    // "No" ends at once: the browser stays on the turn's draw and row 1 shows it unchecked.
    // Otherwise the browser ends where the walk's steps left it, and the sheet is checked
    // against that draw.
    wait.end();
    if (outcome.stopped) return;
    if (outcome.turns > 0) {
        showTurn();
        m_sources.showSteppedDraw(outcome.current);
        m_sources.checkSheet();
    }

    const QString path =
        QDir(m_sources.programFolder()).filePath(QString::fromLatin1(RepetitionReport::kFileName));
    if (writeReport(path, outcome.tables)) m_sources.openDocument(path);
}

} // namespace quorix
