#include "app/widgets/dateedit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace quorix {

using namespace Qt::StringLiterals;

DateEdit::DateEdit(QWidget *parent)
    : QDateEdit(parent) {
    lineEdit()->installEventFilter(this);
}

std::optional<QDate> DateEdit::parseTyped(const QString &text) {
    static const QRegularExpression separated(u"^(\\d{1,2})[.,/-](\\d{1,2})[.,/-](\\d{4})$"_s);
    static const QRegularExpression packed(u"^(\\d{2})(\\d{2})(\\d{4})$"_s);
    QRegularExpressionMatch match = separated.match(text);
    if (!match.hasMatch()) match = packed.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    if (!date.isValid()) return std::nullopt;
    return date;
}

bool DateEdit::isDateCharacter(const QString &text) {
    static const QRegularExpression character(u"^[0-9.,/-]$"_s);
    return character.match(text).hasMatch();
}

// Typing starts over the whole date or at a cursor placed by the user; a selected section, and
// the cursor the picker leaves inside one, are the picker's own.
bool DateEdit::startsTyping() const {
    const QLineEdit *edit = lineEdit();
    if (edit->hasSelectedText()) return edit->selectedText() == edit->text();
    return !m_sectionEditing;
}

void DateEdit::showTyped() {
    // Past the picker, which would read the incomplete date section by section.
    QLineEdit *edit = lineEdit();
    const bool blocked = edit->blockSignals(true);
    edit->setText(m_typed);
    edit->setCursorPosition(static_cast<int>(m_typed.size()));
    edit->blockSignals(blocked);
}

void DateEdit::finishTyping() {
    if (!m_typing) return;
    m_typing = false;
    m_sectionEditing = false;
    const std::optional<QDate> typed = parseTyped(m_typed);
    m_typed.clear();
    if (typed && *typed >= minimumDate() && *typed <= maximumDate())
        setDate(*typed);
    else
        setDate(date()); // shows the date as it was
}

void DateEdit::keyPressEvent(QKeyEvent *event) {
    const bool modified = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!modified && isDateCharacter(event->text()) && (m_typing || startsTyping())) {
        if (!m_typing) {
            m_typing = true;
            m_typed.clear();
        }
        if (m_typed.size() < 10) m_typed += event->text();
        showTyped();
        if (const std::optional<QDate> typed = parseTyped(m_typed);
            typed && *typed >= minimumDate() && *typed <= maximumDate())
            finishTyping();
        event->accept();
        return;
    }
    if (m_typing && event->key() == Qt::Key_Backspace) {
        m_typed.chop(1);
        showTyped();
        event->accept();
        return;
    }
    if (m_typing && event->key() == Qt::Key_Escape) {
        m_typed.clear(); // nothing complete: the old date shows again
        finishTyping();
        event->accept();
        return;
    }
    finishTyping();
    if (!modified && isDateCharacter(event->text())) m_sectionEditing = true;
    QDateEdit::keyPressEvent(event);
}

void DateEdit::focusInEvent(QFocusEvent *event) {
    m_sectionEditing = false;
    QDateEdit::focusInEvent(event);
    // Reached by keyboard, the whole date is selected, ready to be typed over.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
        event->reason() == Qt::ShortcutFocusReason)
        selectAll();
}

void DateEdit::focusOutEvent(QFocusEvent *event) {
    finishTyping();
    QDateEdit::focusOutEvent(event);
}

void DateEdit::mousePressEvent(QMouseEvent *event) {
    finishTyping(); // the arrows and the calendar button work on the date as it stands
    QDateEdit::mousePressEvent(event);
}

void DateEdit::wheelEvent(QWheelEvent *event) {
    finishTyping();
    QDateEdit::wheelEvent(event);
}

bool DateEdit::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lineEdit()) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            // A double-click would select one section, which then takes only its own digits.
            finishTyping();
            setFocus(Qt::MouseFocusReason);
            selectAll();
            m_sectionEditing = false;
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            finishTyping();
            m_sectionEditing = false;
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

} // namespace quorix
