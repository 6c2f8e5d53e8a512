#include "app/sheet/tipsheetpanel.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "app/widgets/prompts.h"

namespace quorix {

TipSheetPanel::TipSheetPanel(TipSheetControls controls, const MessageTable &messages, TipSheetSources sources,
                             QObject *parent)
    : QObject(parent)
    , m_ui(controls)
    , m_messages(messages)
    , m_sources(std::move(sources)) {
    for (int r = 0; r < kTipRowCount; ++r) {
        const auto row = static_cast<std::size_t>(r);
        for (QLineEdit *field : m_ui.fields[row]) {
            field->installEventFilter(this);
            connect(field, &QLineEdit::textChanged, this, [this, field] { normaliseField(field); });
        }
        connect(m_ui.editButtons[row], &QAbstractButton::clicked, this, [this, r] { editRow(r); });
    }
}

QLineEdit *TipSheetPanel::tipField(int row, int column) const {
    return m_ui.fields.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

TipSheet TipSheetPanel::sheet() const {
    TipSheet sheet;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        TipRow &row = sheet.rows[r];
        for (std::size_t c = 0; c < row.numbers.size(); ++c)
            row.numbers[c] = m_ui.fields[r][c]->text().toStdString();
        row.lucky = m_ui.lucky[r]->currentText().toStdString();
        row.locked = m_locked[r];
    }
    return sheet;
}

void TipSheetPanel::showRow(int row, const TipRow &tips) {
    const auto r = static_cast<std::size_t>(row);
    // Each field normalises the text it is given.
    for (std::size_t c = 0; c < tips.numbers.size(); ++c)
        m_ui.fields.at(r)[c]->setText(QString::fromStdString(tips.numbers[c]));
    m_ui.lucky.at(r)->setCurrentText(QString::fromStdString(tips.lucky));
}

void TipSheetPanel::load(const TipSheet &sheet) {
    clearUnlocked();
    for (int r = 0; r < kTipRowCount; ++r)
        showRow(r, sheet.rows[static_cast<std::size_t>(r)]);
}

void TipSheetPanel::showSearchHits(int row, const TipMatch &match) {
    QLabel *label = m_ui.results.at(static_cast<std::size_t>(row));
    label->setText(QString::number(match.hits) + (match.bonusHit ? QStringLiteral(" + Z") : QString()));
    setTextColour(label, match.hits >= 3 ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void TipSheetPanel::showRows(const TipSheet &sheet) {
    for (int r = 0; r < kTipRowCount; ++r)
        showRow(r, sheet.rows[static_cast<std::size_t>(r)]);
}

// A field written by a walk: the colours of an earlier check no longer apply.
void TipSheetPanel::writeUncheckedField(QLineEdit *field, const QString &text) {
    field->setText(text);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Base));
    field->setPalette(palette);
}

void TipSheetPanel::clearRowCheck(std::size_t row) {
    m_ui.results.at(row)->clear();
    m_ui.crossSums.at(row)->clear();
}

void TipSheetPanel::clearUnlockedUnchecked() {
    for (std::size_t r = 0; r < m_ui.fields.size(); ++r) {
        if (m_locked[r]) continue;
        for (QLineEdit *field : m_ui.fields[r])
            writeUncheckedField(field, QString());
        m_ui.lucky[r]->setCurrentText(QStringLiteral("-"));
        clearRowCheck(r);
    }
}

void TipSheetPanel::showDrawInRowOne(const Draw &draw) {
    for (std::size_t c = 0; c < m_ui.fields[0].size(); ++c)
        writeUncheckedField(m_ui.fields[0][c], QString::number(draw.numbers[c]));
    clearRowCheck(0);
}

void TipSheetPanel::showComputedRow(int row, const ComputedRow &computed) {
    const auto r = static_cast<std::size_t>(row);
    for (std::size_t i = 0; i < m_ui.fields.at(r).size(); ++i)
        m_ui.fields[r][i]->setText(QString::number(computed.numbers[i]));
    if (!computed.locked) m_ui.crossSums[r]->setText(QString::number(computed.crossSum));
    m_ui.lucky[r]->setCurrentText(QString::fromStdString(computed.lucky));
}

int TipSheetPanel::rowOfField(const QObject *widget) const {
    for (std::size_t r = 0; r < m_ui.fields.size(); ++r)
        if (widget && std::find(m_ui.fields[r].begin(), m_ui.fields[r].end(), widget) != m_ui.fields[r].end())
            return static_cast<int>(r);
    return -1;
}

void TipSheetPanel::normaliseField(QLineEdit *field) {
    const QString text = field->text();
    const QString normal = QString::fromStdString(normalisedTipNumber(text.toStdString()));
    if (normal != text) field->setText(normal);
}

void TipSheetPanel::setRowLocked(int row, bool locked) {
    m_locked.at(static_cast<std::size_t>(row)) = locked;
    QLabel *caption = m_ui.captions.at(static_cast<std::size_t>(row));
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText,
                     locked ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::WindowText));
    caption->setPalette(palette);
}

void TipSheetPanel::toggleLock(int row) {
    setRowLocked(row, !isRowLocked(row));
}

void TipSheetPanel::clearUnlocked() {
    for (std::size_t r = 0; r < m_ui.fields.size(); ++r) {
        if (m_locked[r]) continue;
        for (QLineEdit *field : m_ui.fields[r])
            field->clear();
        m_ui.lucky[r]->setCurrentText(QStringLiteral("-"));
        m_ui.results[r]->clear();
        m_ui.crossSums[r]->clear();
    }
    const bool wasEnabled = m_checkEnabled;
    m_checkEnabled = true;
    check();
    m_checkEnabled = wasEnabled;
}

void TipSheetPanel::askAndClear() {
    QWidget *parentWindow = m_ui.replay->window();
    if (Prompts::yesNo(parentWindow, message(Msg::ClearTipsCaption), message(Msg::ClearTipsQuestion)))
        clearUnlocked();
}

void TipSheetPanel::editRow(int row) {
    const auto r = static_cast<std::size_t>(row);
    const std::vector<int> ticked = rowTipNumbers(sheet().rows.at(r));
    if (m_tipEditor) {
        const QString caption = QStringLiteral("%1. ").arg(row + 1) + message(Msg::TipWord);
        if (auto chosen = m_tipEditor(caption, ticked)) {
            // The lowest ticked numbers fill the row from its first field. Fields left over are
            // emptied: an old number kept there could repeat a chosen one.
            std::sort(chosen->begin(), chosen->end());
            for (std::size_t i = 0; i < m_ui.fields[r].size(); ++i)
                m_ui.fields[r][i]->setText(i < chosen->size() ? QString::number((*chosen)[i]) : QString());
        }
    }
    check();
}

void TipSheetPanel::check() {
    const TipSheet tips = sheet();
    const Draw draw = m_sources.currentDraw ? m_sources.currentDraw() : Draw{};
    const QString replay = m_sources.replayNumber ? m_sources.replayNumber() : QString();
    const std::array<JokerTicket, 3> tickets =
        m_sources.jokerTickets ? m_sources.jokerTickets() : std::array<JokerTicket, 3>{};
    const SheetCheck result = komplettcheck(m_checkEnabled, tips, replay.toStdString(),
                                            message(Msg::ReplayCaption).toStdString(), draw, tickets);
    // The all-zero record of an empty history is no draw: rows are still sorted and summed, but
    // hits against it are no result.
    const bool haveDraw = draw.date != 0;
    m_hitTally = haveDraw ? result.tally : HitTally{};
    if (!result.ran) return;

    for (std::size_t r = 0; r < tips.rows.size() && r < result.rows.size(); ++r) {
        const RowCheck &row = result.rows[r];
        for (std::size_t c = 0; c < m_ui.fields[r].size(); ++c) {
            QLineEdit *field = m_ui.fields[r][c];
            if (row.valid) field->setText(QString::fromStdString(row.texts[c]));
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, fieldColour(row, c, haveDraw));
            field->setPalette(palette);
        }
        if (!row.valid) {
            m_ui.results[r]->clear();
            m_ui.crossSums[r]->clear();
            m_ui.lucky[r]->setCurrentText(QStringLiteral("-"));
            continue;
        }
        m_ui.crossSums[r]->setText(QString::number(row.crossSum));
        if (!haveDraw) {
            m_ui.results[r]->clear();
            continue;
        }
        m_ui.results[r]->setText(QString::fromStdString(row.hitText));
        setTextColour(m_ui.results[r], row.red ? QColor(255, 0, 0) : QColor(0, 0, 0));
        if (row.playSound && m_sources.playWinSound) m_sources.playWinSound();
    }
    if (result.replay.touched && haveDraw) {
        m_ui.replay->setText(QString::fromStdString(result.replay.text));
        setTextColour(m_ui.replay, result.replay.red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }
}

QColor TipSheetPanel::fieldColour(const RowCheck &row, std::size_t column, bool haveDraw) {
    // The neutral colour is the system's background of entry fields, so an unmarked field looks
    // like any other field rather than disabled.
    const QColor neutral = QApplication::palette().color(QPalette::Base);
    if (!row.valid) return neutral;
    if (row.repeated[column]) return kRepeatedColour;
    if (!haveDraw) return neutral;
    const QColor markColours[] = {neutral, QColor(0, 255, 0), QColor(255, 255, 0)};
    return markColours[row.match.marks[column] % 3];
}

void TipSheetPanel::setTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

bool TipSheetPanel::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut && m_checkEnabled) {
        // Leaving a row checks the sheet. Not between the fields of one row: the check sorts a
        // complete row, and a row re-typed field by field would be written into moved numbers.
        const int row = rowOfField(watched);
        if (row >= 0 && rowOfField(QApplication::focusWidget()) != row) check();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorix
