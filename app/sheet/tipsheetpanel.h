#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include <QColor>
#include <QObject>
#include <QString>

#include "app/language/messagetable.h"
#include "core/compute/computation.h"
#include "core/game/game.h"
#include "core/game/tipcheck.h"
#include "core/game/tipsheet.h"
#include "core/history/draw.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quorix {

// The tip sheet's controls, built by the page layout.
struct TipSheetControls {
    std::array<std::array<QLineEdit *, kNumbersPerTip>, kTipRowCount> fields{};
    std::array<QComboBox *, kTipRowCount> lucky{};
    std::array<QLabel *, kTipRowCount> captions{}; // "1. Tipp": red while the row is locked
    std::array<QAbstractButton *, kTipRowCount> editButtons{};
    std::array<QLabel *, kTipRowCount> results{};
    std::array<QLabel *, kTipRowCount> crossSums{};
    QLabel *replay = nullptr; // shows the Replay check's result
};

// What the sheet needs from the rest of the window, read afresh at every check.
struct TipSheetSources {
    std::function<Draw()> currentDraw;
    std::function<QString()> replayNumber;
    std::function<std::array<JokerTicket, 3>()> jokerTickets;
    std::function<void()> playWinSound;
};

// The tip sheet of "Lottotipp": fourteen rows of six fields, lucky box, lock, result and cross
// sum; the check against the current draw, the hit tally, clearing, and the row editor.
class TipSheetPanel final : public QObject {
    Q_OBJECT

public:
    TipSheetPanel(TipSheetControls controls, const MessageTable &messages, TipSheetSources sources,
                  QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TipSheetPanel)

    // The sheet as the page shows it: field texts, lucky boxes, locks.
    TipSheet sheet() const;
    QLineEdit *tipField(int row, int column) const;
    QComboBox *luckyBox(int row) const { return m_ui.lucky.at(static_cast<std::size_t>(row)); }
    QLabel *crossSumLabel(int row) const { return m_ui.crossSums.at(static_cast<std::size_t>(row)); }
    QLabel *resultLabel(int row) const { return m_ui.results.at(static_cast<std::size_t>(row)); }
    bool isRowLocked(int row) const { return m_locked.at(static_cast<std::size_t>(row)); }

    // Writes a row's numbers and lucky text (a computed or a remembered sheet).
    void showRow(int row, const TipRow &tips);
    // Fills the sheet from a tip file's rows: the unlocked rows are cleared, then all fourteen
    // rows (locked ones too) take the file's texts.
    void load(const TipSheet &sheet);
    // A searched row's hits in its result label, red from three on.
    void showSearchHits(int row, const TipMatch &match);
    // Writes every row's numbers and lucky text.
    void showRows(const TipSheet &sheet);
    // Empties the unlocked rows without a check; the colours of an earlier check go.
    void clearUnlockedUnchecked();
    // Row 1 takes a draw's numbers, locked or not, unchecked; its lucky box stays.
    void showDrawInRowOne(const Draw &draw);
    // Writes a computed row (0..13): its numbers, lucky number and, unless locked, cross sum.
    void showComputedRow(int row, const ComputedRow &computed);

    // The check runs only while enabled (not during start-up or a computation).
    bool checkEnabled() const { return m_checkEnabled; }
    void setCheckEnabled(bool enabled) { m_checkEnabled = enabled; }
    const HitTally &hitTally() const { return m_hitTally; }

    // The background of a field whose number repeats an earlier one of its row.
    static inline const QColor kRepeatedColour{255, 165, 0};

    // The number dialog used by the row editor: called with the dialog caption and the numbers
    // to tick, answers the ticked numbers after OK and nullopt otherwise. Without one the editor
    // only re-checks the sheet.
    using TipEditor = std::function<std::optional<std::vector<int>>(const QString &caption,
                                                                    const std::vector<int> &ticked)>;
    void setTipEditor(TipEditor editor) { m_tipEditor = std::move(editor); }

public Q_SLOTS:
    // Komplettcheck: sorts and checks every row against the current draw.
    void check();
    // SpeedButton11Click: empties the unlocked rows and checks the sheet.
    void clearUnlocked();
    // Loeschendertipp: the same after asking.
    void askAndClear();
    // Label30Click: locks or unlocks a row.
    void toggleLock(int row);
    // TippEdit: edits a row in the number dialog.
    void editRow(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString message(Msg id) const { return m_messages.text(messageIndex(id)); }
    void normaliseField(QLineEdit *field);
    // The sheet row a number field belongs to, -1 for any other widget.
    int rowOfField(const QObject *widget) const;
    void setRowLocked(int row, bool locked);
    // The background of a checked row's field: repeated numbers warn, hits show only with a draw.
    static QColor fieldColour(const RowCheck &row, std::size_t column, bool haveDraw);
    static void setTextColour(QWidget *widget, const QColor &colour);
    static void writeUncheckedField(QLineEdit *field, const QString &text);
    void clearRowCheck(std::size_t row);

    TipSheetControls m_ui;
    const MessageTable &m_messages;
    TipSheetSources m_sources;
    std::array<bool, kTipRowCount> m_locked{};
    bool m_checkEnabled = false;
    HitTally m_hitTally;
    TipEditor m_tipEditor;
};

} // namespace quorix
