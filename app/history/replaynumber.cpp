#include "app/history/replaynumber.h"

#include <QLabel>

#include "app/language/messagetable.h"
#include "app/widgets/prompts.h"

namespace quorix {

ReplayNumber::ReplayNumber(QWidget &window, QLabel *label, const MessageTable &messages)
    : QObject(&window)
    , m_window(window)
    , m_label(label)
    , m_messages(messages) {}

void ReplayNumber::setNumber(const QString &number) {
    m_number = number;
    showCaption();
}

void ReplayNumber::showCaption() {
    m_label->setText(caption());
}

QString ReplayNumber::caption() const {
    if (m_number.isEmpty()) return m_messages.text(Msg::EnterReplay);
    return m_messages.text(Msg::ReplayCaption) + QStringLiteral(": ") + m_number;
}

void ReplayNumber::edit() {
    const auto answer = Prompts::input(&m_window, m_messages.text(Msg::EnterReplay),
                                       m_messages.text(Msg::ReplayCaption) + QStringLiteral(": "), m_number);
    if (!answer) return;
    m_number = *answer;
    // Even an empty answer shows as "Replay: ", unlike the caption a start-up or language shows.
    m_label->setText(m_messages.text(Msg::ReplayCaption) + QStringLiteral(": ") + m_number);
}

} // namespace quorix
