#pragma once

#include <QByteArray>
#include <QNetworkRequest>
#include <QObject>
#include <QTimer>

class QNetworkReply;

namespace quorix {

// The bounds of a GET whose answer comes from outside: redirects are not followed, the whole
// request has one deadline (a server sending a byte a second cannot hold it), and an answer that
// grows past `maxBytes` is cut off. Qt caps the answer's headers itself.
class BoundedReply final : public QObject {
    Q_OBJECT

public:
    enum class Cut { None, TooLarge, Late };

    // A request for `url` that follows no redirect and gives up when nothing arrives for `timeoutMs`.
    static QNetworkRequest request(const QUrl &url, int timeoutMs);

    // Watches `reply` from now on and aborts it when its answer grows past `maxBytes` or when
    // `deadlineMs` have passed.
    BoundedReply(QNetworkReply *reply, qint64 maxBytes, int deadlineMs);

    // Waits in a local event loop until the reply has finished (or the application is closing);
    // answers whether it finished.
    bool wait();
    Cut cut() const { return m_cut; }
    // The answer's body as far as it came; the reply itself is left empty.
    const QByteArray &body() const { return m_body; }

private:
    void stop(Cut why);

    QNetworkReply *m_reply;
    QTimer m_deadline;
    QByteArray m_body;
    Cut m_cut = Cut::None;
};

} // namespace quorix
