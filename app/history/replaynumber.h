#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

namespace quorix {

class MessageTable;

// The player's Replay number, entered by a click on its label beside the draw line. The label
// shows it ("Replay: 123456") or asks for it; the tip check compares it with the draw's.
class ReplayNumber final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReplayNumber)

public:
    // `window` parents the input box.
    ReplayNumber(QWidget &window, QLabel *label, const MessageTable &messages);

    const QString &number() const { return m_number; }
    // Keeps the number and shows it on the label.
    void setNumber(const QString &number);

public Q_SLOTS:
    // LosnummerClick: asks for the number.
    void edit();
    // The label's text in the current language.
    void showCaption();

private:
    QString caption() const;

    QWidget &m_window;
    QLabel *m_label;
    const MessageTable &m_messages;
    QString m_number;
};

} // namespace quorix
