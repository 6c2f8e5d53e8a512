// The repetition analysis ("Historische Analyse beginnend mit dem oben gewähltem Datum"): every
// draw from the end date on, taken as a tip, against the earlier and the next draws.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

#include "app/lottozahlen.h"
#include "app/prompts.h"
#include "app/statisticschart.h"
#include "app/uihelpers.h"
#include "app/windowcharts.h"
#include "core/repetitionanalysis.h"
#include "core/tipsearch.h"
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

} // namespace

void LottoZahlen::BitBtn19Click() {
    const DrawFile file = drawFile();
    const bool hadHistory = file.exists();
    SpeedButton5Click();
    if (!hadHistory) return; // the player has been asked to read the draws first
    showPage(Page::TipSheet);
    const std::optional<QString> answer = Prompts::input(
        this, message(Msg::SearchTitle), message(Msg::RepeatThresholdQuestion), QStringLiteral("6"));
    if (!answer) return;
    const Result<int> threshold = searchThreshold(answer->toStdString());
    if (!threshold) {
        Prompts::message(this, windowTitle(), QString::fromStdString(threshold.error().message));
        return;
    }
    const Result<std::vector<Draw>> draws = file.readAll();
    if (!draws) {
        Prompts::message(this, windowTitle(), QString::fromStdString(draws.error().message));
        return;
    }

    PausableWaitCursor wait;
    m_charts->chart().clear();
    const QColor neutral = QApplication::palette().color(QPalette::Base);
    auto writeUncheckedField = [&neutral](QLineEdit *field, const QString &text) {
        field->setText(text);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, neutral);
        field->setPalette(palette);
    };
    for (std::size_t r = 0; r < m_fields.size(); ++r) {
        if (m_locked[r]) continue;
        for (QLineEdit *field : m_fields[r])
            writeUncheckedField(field, QString());
        m_lucky[r]->setCurrentText(QStringLiteral("-"));
        m_results[r]->clear();
        m_crossSums[r]->clear();
    }
    // The browser shows each turn's draw, row 1 takes its numbers (locked or not; the colours
    // and labels of an earlier check no longer apply; a field takes only numbers of this game,
    // so an old draw's 43..45 leaves it empty), the status bar shows the date the walk
    // runs up to and the turn's date.
    const DaySerial newest = draws->empty() ? 0 : draws->back().date;
    BrowsedDraw turnDraw;
    int turnNumber = 0;
    auto showTurn = [&] {
        m_browser.setCurrent(turnDraw);
        showDraw(Shown::Stepped);
        for (std::size_t c = 0; c < m_fields[0].size(); ++c)
            writeUncheckedField(m_fields[0][c], QString::number(turnDraw.draw.numbers[c]));
        m_results[0]->clear();
        m_crossSums[0]->clear();
        // The first turn names a date ten days after its own draw; later turns the newest draw's.
        const DaySerial upTo = turnNumber == 1 ? turnDraw.draw.date + 10 : newest;
        setStatusText(0, QString::fromStdString(formatDmy(upTo)));
        setStatusText(1, QString::fromStdString(formatDmy(turnDraw.draw.date)));
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
        // The message file's line carries no blank before the date.
        const QString text = message(Msg::HitsInDrawOf) + u' ' +
                             QString::fromStdString(formatDmy(earlier.date)) + QStringLiteral("  ") +
                             message(Msg::SearchOn);
        const bool goOn = Prompts::yesNo(this, message(Msg::HitsFound), text, Prompts::Default::Yes);
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
        m_browser.setCurrent(outcome.current);
        showDraw(Shown::Stepped);
        Komplettcheck();
    }

    const std::array<std::string, 4> headings = {
        message(Msg::SameAsEarlier).toStdString(), message(Msg::SameAsNext1).toStdString(),
        message(Msg::SameAsNext2).toStdString(), message(Msg::SameAsNext3).toStdString()};
    const QString path = QDir(m_programFolder).filePath(QString::fromLatin1(RepetitionReport::kFileName));
    const std::vector<std::string> lines = RepetitionReport::lines(outcome.tables, headings);
    if (const Result<void> written = RtfFile::write(std::filesystem::path(path.toStdString()), lines);
        !written) {
        Prompts::message(this, windowTitle(), QString::fromStdString(written.error().message));
        return;
    }
    openDocument(path);
}

} // namespace quorix
