#pragma once

#include <optional>

#include <QDate>
#include <QDateEdit>
#include <QString>

namespace quorix {

// A date picker that also takes a date typed whole. The plain picker edits one section at a time:
// typed over a selection spanning sections it drops the digits, and after a full section it moves
// on by itself, so a typed separator skips the next section ("15.08.2026" typed after a
// double-click became "15.12.0000"). Here a double-click or a Tab selects the whole date, and
// digits typed over the whole date or at a plain cursor collect into a date of their own that is
// taken once it is complete ("15.08.2026", "5.8.2026", "15082026"); an incomplete or impossible
// one is dropped when the field is left and the old date shows again. A single selected section
// (the arrow keys select them) is still edited as before.
class DateEdit final : public QDateEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);

    // A typed date: day, month and four-digit year, separated by '.', ',', '/' or '-', or eight
    // digits in a row; nullopt while incomplete and for impossible dates.
    static std::optional<QDate> parseTyped(const QString &text);
    bool isTyping() const { return m_typing; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool isDateCharacter(const QString &text);
    bool startsTyping() const;
    void showTyped();
    // Takes a complete typed date, else shows the date as it was.
    void finishTyping();

    bool m_typing = false;
    QString m_typed;
    bool m_sectionEditing = false; // the picker edits a section; its cursor is no place to start
};

} // namespace quorix
