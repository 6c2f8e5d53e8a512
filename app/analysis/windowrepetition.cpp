// The repetition analysis ("Historische Analyse beginnend mit dem oben gewähltem Datum"): every
// draw from the end date on, taken as a tip, against the earlier and the next draws.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/prompts.h"
#include "app/charts/statisticschart.h"
#include "app/widgets/uihelpers.h"
#include "app/charts/windowcharts.h"
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

// Asks for the threshold; nothing when the box is cancelled or the answer is no integer (then
// said in a box).
std::optional<int> askThreshold(LottoZahlen &window) {
    const std::optional<QString> answer =
        Prompts::input(&window, window.message(Msg::SearchTitle),
                       window.message(Msg::RepeatThresholdQuestion), QStringLiteral("6"));
    if (!answer) return std::nullopt;
    const Result<int> threshold = searchThreshold(answer->toStdString());
    if (!threshold) {
        Prompts::message(&window, window.windowTitle(), QString::fromStdString(threshold.error().message));
        return std::nullopt;
    }
    return *threshold;
}

// A field written by the walk: the colours of an earlier check no longer apply.
void writeUncheckedField(QLineEdit *field, const QString &text) {
    field->setText(text);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Base));
    field->setPalette(palette);
}

void clearCheck(const LottoZahlen &window, int row) {
    window.resultLabel(row)->clear();
    window.crossSumLabel(row)->clear();
}

void clearUnlockedRows(const LottoZahlen &window) {
    for (int r = 0; r < kTipRowCount; ++r) {
        if (window.isRowLocked(r)) continue;
        for (int c = 0; c < kNumbersPerTip; ++c)
            writeUncheckedField(window.tipField(r, c), QString());
        window.luckyBox(r)->setCurrentText(QStringLiteral("-"));
        clearCheck(window, r);
    }
}

// Row 1 takes the turn's draw whether locked or not; its lucky box stays as it is.
void showInRowOne(const LottoZahlen &window, const Draw &draw) {
    for (int c = 0; c < kNumbersPerTip; ++c)
        writeUncheckedField(window.tipField(0, c),
                            QString::number(draw.numbers[static_cast<std::size_t>(c)]));
    clearCheck(window, 0);
}

// The box's text: the message file's line carries no blank before the date.
QString matchQuestion(const LottoZahlen &window, DaySerial earlier) {
    return window.message(Msg::HitsInDrawOf) + u' ' + QString::fromStdString(formatDmy(earlier)) +
           QStringLiteral("  ") + window.message(Msg::SearchOn);
}

// Writes Test.rtf; a failure is said in a box.
bool writeReport(LottoZahlen &window, const QString &path, const RepetitionTables &tables) {
    const std::array<std::string, 4> headings = {
        window.message(Msg::SameAsEarlier).toStdString(), window.message(Msg::SameAsNext1).toStdString(),
        window.message(Msg::SameAsNext2).toStdString(), window.message(Msg::SameAsNext3).toStdString()};
    const Result<void> written =
        RtfFile::write(std::filesystem::path(path.toStdString()), RepetitionReport::lines(tables, headings));
    if (!written)
        Prompts::message(&window, window.windowTitle(), QString::fromStdString(written.error().message));
    return bool(written);
}

std::optional<std::vector<Draw>> readDraws(LottoZahlen &window, const DrawFile &file) {
    Result<std::vector<Draw>> draws = file.readAll();
    if (!draws) {
        Prompts::message(&window, window.windowTitle(), QString::fromStdString(draws.error().message));
        return std::nullopt;
    }
    return std::move(*draws);
}

// Panel 0: the date the walk runs up to; panel 1: the turn's date.
void showWalkDates(LottoZahlen &window, DaySerial upTo, DaySerial turn) {
    window.setStatusText(0, QString::fromStdString(formatDmy(upTo)));
    window.setStatusText(1, QString::fromStdString(formatDmy(turn)));
}

} // namespace

void LottoZahlen::BitBtn19Click() {
    const DrawFile file = drawFile();
    const bool hadHistory = file.exists();
    SpeedButton5Click();
    if (!hadHistory) return; // the player has been asked to read the draws first
    showPage(Page::TipSheet);
    const std::optional<int> threshold = askThreshold(*this);
    if (!threshold) return;
    const std::optional<std::vector<Draw>> draws = readDraws(*this, file);
    if (!draws) return;

    PausableWaitCursor wait;
    m_charts->chart().clear();
    clearUnlockedRows(*this);
    // The browser shows each turn's draw, row 1 takes its numbers (locked or not; the colours
    // and labels of an earlier check no longer apply; a field takes only numbers of this game,
    // so an old draw's 43..45 leaves it empty), the status bar shows the date the walk
    // runs up to and the turn's date.
    const DaySerial newest = draws->empty() ? 0 : draws->back().date;
    BrowsedDraw turnDraw;
    int turnNumber = 0;
    auto showTurn = [&] {
        browser().setCurrent(turnDraw);
        showDraw(Shown::Stepped);
        showInRowOne(*this, turnDraw.draw);
        showWalkDates(*this, walkEndShown(turnNumber, turnDraw.draw.date, newest), turnDraw.draw.date);
        repaint();
    };

    const RepetitionSettings settings{serialFromDate(m_ui.startDate->date()),
                                      serialFromDate(m_ui.endDate->date()), weekdayFilter(), *threshold};
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
        const bool goOn = Prompts::yesNo(this, message(Msg::HitsFound), matchQuestion(*this, earlier.date),
                                         Prompts::Default::Yes);
        wait.resume();
        sincePaint.start();
        return goOn;
    };
    const RepetitionOutcome outcome = analyseRepetition(*draws, settings, handler);

    // "No" ends at once: the browser stays on the turn's draw and row 1 shows it unchecked.
    // Otherwise the browser ends where the walk's steps left it, and the sheet is checked
    // against that draw.
    wait.end();
    if (outcome.stopped) return;
    if (outcome.turns > 0) {
        showTurn();
        browser().setCurrent(outcome.current);
        showDraw(Shown::Stepped);
        Komplettcheck();
    }

    const QString path = QDir(m_programFolder).filePath(QString::fromLatin1(RepetitionReport::kFileName));
    if (writeReport(*this, path, outcome.tables)) openDocument(path);
}

} // namespace quorix
